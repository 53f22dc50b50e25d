// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/app/QtPointerBackend.h"

#include <QApplication>
#include <QThread>

#include <utility>

namespace gx508 {

QtPointerBackend::QtPointerBackend(PointerBackend& desktop, LogSink& log)
    : m_desktop(desktop), m_log(log) {}

// Apply runs off the user-interface thread, and Qt's settings belong to that thread: a change
// made elsewhere is queued to it.
void QtPointerBackend::onGuiThread(std::function<void()> change) {
    if (QThread::currentThread() == m_mailbox.thread()) {
        change();
    } else {
        m_mailbox.post(std::move(change));
    }
}

bool QtPointerBackend::SetPrecision(bool enhance) {
    return m_desktop.SetPrecision(enhance);
}

bool QtPointerBackend::SetSpeed(int speed) {
    return m_desktop.SetSpeed(speed);
}

bool QtPointerBackend::SetWheel(bool page, int lines) {
    if (!page) {
        onGuiThread([lines] { QApplication::setWheelScrollLines(lines); });
    } else if (!m_toldNoPage) {
        m_log.Write(
            "pointer settings: the program's windows cannot scroll a screen per wheel "
            "notch; their wheel left alone");
        m_toldNoPage = true;
    }
    return m_desktop.SetWheel(page, lines);
}

bool QtPointerBackend::SetDoubleClickTime(int milliseconds) {
    onGuiThread([milliseconds] { QApplication::setDoubleClickInterval(milliseconds); });
    return m_desktop.SetDoubleClickTime(milliseconds);
}

}  // namespace gx508
