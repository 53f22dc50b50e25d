// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QSocketNotifier>
#include <QTimer>

#include <memory>

#include "core/LogSink.h"
#include "core/device/HotplugDebounce.h"

namespace gx508 {

class UdevHotplugMonitor;

// Hotplug of the mouse on the user-interface thread: the udev monitor's descriptor behind a
// socket notifier, each burst of node events debounced into one arrival or removal.
class HotplugWatcher : public QObject {
    Q_OBJECT

  public:
    // Watches until destroyed. When udev cannot be watched the reason is logged and no event
    // ever comes; the program still works with a mouse present at start.
    explicit HotplugWatcher(LogSink& log, QObject* parent = nullptr);
    ~HotplugWatcher() override;

  signals:
    void arrived();
    void removed();

  private:
    void readEvents();
    void deliverDue();
    void scheduleDue();

    std::unique_ptr<UdevHotplugMonitor> m_monitor;
    std::unique_ptr<QSocketNotifier> m_notifier;
    HotplugDebounce m_debounce;
    QElapsedTimer m_clock;
    QTimer m_due;
};

}  // namespace gx508
