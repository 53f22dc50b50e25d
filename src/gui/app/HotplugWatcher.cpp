// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/app/HotplugWatcher.h"

#include "platform/UdevHotplugMonitor.h"

namespace gx508 {

HotplugWatcher::HotplugWatcher(LogSink& log, QObject* parent) : QObject(parent) {
    m_clock.start();
    m_due.setSingleShot(true);
    connect(&m_due, &QTimer::timeout, this, &HotplugWatcher::deliverDue);
    Result<std::unique_ptr<UdevHotplugMonitor>> created = UdevHotplugMonitor::Create(log);
    if (!created) {
        log.Write("Hotplug watching is off: " + created.message());
        return;
    }
    m_monitor = std::move(*created);
    m_notifier = std::make_unique<QSocketNotifier>(m_monitor->fd(), QSocketNotifier::Read);
    connect(m_notifier.get(), &QSocketNotifier::activated, this, &HotplugWatcher::readEvents);
}

HotplugWatcher::~HotplugWatcher() = default;

void HotplugWatcher::readEvents() {
    for (const HotplugEvent& event : m_monitor->readEvents()) {
        m_debounce.Add(event, m_clock.elapsed());
    }
    scheduleDue();
}

void HotplugWatcher::deliverDue() {
    if (const auto action = m_debounce.Take(m_clock.elapsed())) {
        if (*action == HotplugAction::Arrived) {
            emit arrived();
        } else {
            emit removed();
        }
    }
    scheduleDue();
}

void HotplugWatcher::scheduleDue() {
    if (const auto wait = m_debounce.MsUntilDue(m_clock.elapsed())) {
        m_due.start(static_cast<int>(*wait));
    }
}

}  // namespace gx508
