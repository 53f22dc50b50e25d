// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>
#include <vector>

#include "core/LogSink.h"
#include "core/Status.h"
#include "core/device/HotplugEvent.h"
#include "core/device/MouseNodeTracker.h"

struct udev;
struct udev_monitor;

namespace gx508 {

// Watches hidraw nodes come and go, from the events udev sends once it has processed them (so
// the node exists and its permissions are set by the time the event arrives). Feed the events
// to a HotplugDebounce.
class UdevHotplugMonitor {
  public:
    // Starts watching and notes the mouse's nodes already present, so that their removal is
    // recognised later.
    static Result<std::unique_ptr<UdevHotplugMonitor>> Create(LogSink& log);
    ~UdevHotplugMonitor();
    UdevHotplugMonitor(const UdevHotplugMonitor&) = delete;
    UdevHotplugMonitor& operator=(const UdevHotplugMonitor&) = delete;

    // Readable when events are waiting: for a QSocketNotifier or poll(). Non-blocking.
    int fd() const;

    // Every event waiting now, in order; returns at once when there is none. Actions other
    // than add and remove are dropped.
    std::vector<HotplugEvent> readEvents();

  private:
    UdevHotplugMonitor(LogSink& log, udev* context, udev_monitor* monitor);
    void NotePresentNodes();

    LogSink& m_log;
    udev* m_udev;
    udev_monitor* m_monitor;
    MouseNodeTracker m_nodes;
};

}  // namespace gx508
