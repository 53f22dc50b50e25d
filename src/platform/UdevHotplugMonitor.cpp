// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/UdevHotplugMonitor.h"

#include <libudev.h>

#include <optional>
#include <string>
#include <string_view>

namespace gx508 {

namespace {

constexpr const char* kSubsystem = "hidraw";

// Events handled per call; any further ones keep the descriptor readable for the next call.
constexpr int kMaxEventsPerRead = 256;

std::string_view Text(const char* value) {
    return value == nullptr ? std::string_view() : std::string_view(value);
}

// HID_ID of the HID device a hidraw node hangs off; empty once that device has left sysfs.
std::string_view ParentHidId(udev_device* node) {
    udev_device* hid = udev_device_get_parent_with_subsystem_devtype(node, "hid", nullptr);
    return hid == nullptr ? std::string_view()
                          : Text(udev_device_get_property_value(hid, "HID_ID"));
}

}  // namespace

Result<std::unique_ptr<UdevHotplugMonitor>> UdevHotplugMonitor::Create(LogSink& log) {
    using Created = Result<std::unique_ptr<UdevHotplugMonitor>>;
    udev* context = udev_new();
    if (context == nullptr) {
        return Created::Error("cannot create a udev context");
    }
    udev_monitor* monitor = udev_monitor_new_from_netlink(context, "udev");
    if (monitor == nullptr) {
        udev_unref(context);
        return Created::Error("cannot listen to udev events");
    }
    // Owns both from here on, so every return below releases them.
    std::unique_ptr<UdevHotplugMonitor> created(new UdevHotplugMonitor(log, context, monitor));
    if (const int r = udev_monitor_filter_add_match_subsystem_devtype(monitor, kSubsystem, nullptr);
        r < 0) {
        return Created::Error("cannot filter udev events on hidraw", -r);
    }
    if (const int r = udev_monitor_enable_receiving(monitor); r < 0) {
        return Created::Error("cannot receive udev events", -r);
    }
    if (created->fd() < 0) {
        return Created::Error("the udev monitor has no descriptor");
    }
    // Listing after receiving is enabled: a node that arrives in between is seen twice, which
    // is harmless, rather than not at all.
    created->NotePresentNodes();
    return created;
}

UdevHotplugMonitor::UdevHotplugMonitor(LogSink& log, udev* context, udev_monitor* monitor)
    : m_log(log), m_udev(context), m_monitor(monitor) {}

UdevHotplugMonitor::~UdevHotplugMonitor() {
    udev_monitor_unref(m_monitor);
    udev_unref(m_udev);
}

int UdevHotplugMonitor::fd() const {
    return udev_monitor_get_fd(m_monitor);
}

std::vector<HotplugEvent> UdevHotplugMonitor::readEvents() {
    std::vector<HotplugEvent> events;
    for (int k = 0; k < kMaxEventsPerRead; ++k) {
        udev_device* node = udev_monitor_receive_device(m_monitor);
        if (node == nullptr) {
            break;
        }
        const std::string_view action = Text(udev_device_get_action(node));
        const std::string_view devnode = Text(udev_device_get_devnode(node));
        if (std::optional<HotplugEvent> event =
                m_nodes.OnUevent(action, devnode, ParentHidId(node))) {
            m_log.Write(
                std::string(event->action == HotplugAction::Arrived ? "arrived: " : "removed: ") +
                event->devnode + (event->isMouse ? " (the mouse)" : ""));
            events.push_back(std::move(*event));
        }
        udev_device_unref(node);
    }
    return events;
}

void UdevHotplugMonitor::NotePresentNodes() {
    udev_enumerate* list = udev_enumerate_new(m_udev);
    if (list == nullptr) {
        m_log.Write("cannot list the hidraw nodes present");
        return;
    }
    if (udev_enumerate_add_match_subsystem(list, kSubsystem) < 0 ||
        udev_enumerate_scan_devices(list) < 0) {
        m_log.Write("cannot list the hidraw nodes present");
        udev_enumerate_unref(list);
        return;
    }
    udev_list_entry* entry = nullptr;
    udev_list_entry_foreach(entry, udev_enumerate_get_list_entry(list)) {
        udev_device* node = udev_device_new_from_syspath(m_udev, udev_list_entry_get_name(entry));
        if (node != nullptr) {
            m_nodes.NotePresent(Text(udev_device_get_devnode(node)), ParentHidId(node));
            udev_device_unref(node);
        }
    }
    udev_enumerate_unref(list);
}

}  // namespace gx508
