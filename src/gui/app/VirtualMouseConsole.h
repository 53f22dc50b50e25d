// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QSocketNotifier>

#include <cstdio>
#include <memory>
#include <string>
#include <string_view>

namespace gx508 {

class VirtualMouse;

// Drives the virtual mouse from lines of text, one command per line:
//   notice KIND VALUE   the mouse sends 06 07 KIND VALUE (both 0..255)
//   unplug              the mouse goes away
//   plug                the mouse comes back
// Anything else is reported on the error stream and ignored.
class VirtualMouseConsole : public QObject {
    Q_OBJECT

  public:
    // Reads commands from `inputFd` as they come, until its end.
    VirtualMouseConsole(VirtualMouse& mouse, int inputFd, std::FILE* errors = stderr);
    ~VirtualMouseConsole() override;

    void handleLine(std::string_view line);

  signals:
    void plugged();
    void unplugged();

  private:
    void readInput();

    VirtualMouse& m_mouse;
    int m_fd;
    std::FILE* m_errors;
    std::unique_ptr<QSocketNotifier> m_notifier;
    std::string m_pending;
};

}  // namespace gx508
