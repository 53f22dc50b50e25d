// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/device/VirtualMouse.h"

#include <algorithm>
#include <chrono>

#include "core/device/DeviceIds.h"

namespace gx508 {

class VirtualMouse::CommandDevice final : public HidDevice {
  public:
    CommandDevice(VirtualMouse& mouse, std::uint64_t generation)
        : m_mouse(mouse), m_generation(generation) {}
    Status SetFeature(std::span<const std::uint8_t> report) override {
        return m_mouse.Receive(WireEvent::Kind::SetFeature, report, m_generation);
    }
    Status GetFeature(std::span<std::uint8_t> report) override {
        return m_mouse.Reply(report, m_generation);
    }
    Status Write(std::span<const std::uint8_t> report) override {
        return m_mouse.Receive(WireEvent::Kind::Output, report, m_generation);
    }
    Result<std::size_t> Read(std::span<std::uint8_t>, int) override { return std::size_t{0}; }

  private:
    VirtualMouse& m_mouse;
    std::uint64_t m_generation;
};

class VirtualMouse::NoticeDevice final : public HidDevice {
  public:
    NoticeDevice(VirtualMouse& mouse, std::uint64_t generation)
        : m_mouse(mouse), m_generation(generation) {}
    Status SetFeature(std::span<const std::uint8_t>) override {
        return Status::Error("the notice collection takes no feature reports");
    }
    Status GetFeature(std::span<std::uint8_t>) override {
        return Status::Error("the notice collection has no feature reports");
    }
    Status Write(std::span<const std::uint8_t>) override {
        return Status::Error("the notice collection takes no output reports");
    }
    Result<std::size_t> Read(std::span<std::uint8_t> buffer, int timeoutMs) override {
        return m_mouse.ReadNotice(buffer, timeoutMs, m_generation);
    }

  private:
    VirtualMouse& m_mouse;
    std::uint64_t m_generation;
};

VirtualMouse::VirtualMouse() = default;
VirtualMouse::~VirtualMouse() = default;

void VirtualMouse::setCommandCollectionFirst(bool first) {
    std::lock_guard lock(m_mutex);
    m_commandFirst = first;
}

void VirtualMouse::setFeatureReportLength(std::uint16_t length) {
    std::lock_guard lock(m_mutex);
    m_featureLength = length;
}

void VirtualMouse::setSecondMouse(bool present) {
    std::lock_guard lock(m_mutex);
    m_secondMouse = present;
}

void VirtualMouse::setOpenFails(bool fails) {
    std::lock_guard lock(m_mutex);
    m_openFails = fails;
}

void VirtualMouse::setOpenDenied(bool denied) {
    std::lock_guard lock(m_mutex);
    m_openDenied = denied;
}

void VirtualMouse::setWritesFail(bool fail) {
    std::lock_guard lock(m_mutex);
    m_writesFail = fail;
}

void VirtualMouse::unplugAfterReports(int reports) {
    std::lock_guard lock(m_mutex);
    m_unplugCountdown = reports;
}

void VirtualMouse::unplug() {
    std::lock_guard lock(m_mutex);
    m_plugged = false;
    m_notices.clear();
    m_noticeArrived.notify_all();
}

void VirtualMouse::replug() {
    std::lock_guard lock(m_mutex);
    if (!m_plugged) {
        m_plugged = true;
        ++m_generation;
    }
}

bool VirtualMouse::plugged() const {
    std::lock_guard lock(m_mutex);
    return m_plugged;
}

void VirtualMouse::setProfileByte(std::uint8_t profile) {
    std::lock_guard lock(m_mutex);
    m_profile = profile;
}

void VirtualMouse::setOptionBytes(std::array<std::uint8_t, 3> options) {
    std::lock_guard lock(m_mutex);
    m_options = options;
}

void VirtualMouse::sendNotice(std::uint8_t kind, std::uint8_t value) {
    std::vector<std::uint8_t> report(kNoticeInputLength, 0);
    report[0] = 0x06;
    report[1] = 0x07;
    report[2] = kind;
    report[3] = value;
    sendInputReport(std::move(report));
}

void VirtualMouse::sendInputReport(std::vector<std::uint8_t> report) {
    std::lock_guard lock(m_mutex);
    if (!m_plugged) {
        return;
    }
    m_notices.push_back(std::move(report));
    m_noticeArrived.notify_all();
}

std::size_t VirtualMouse::pendingNotices() const {
    std::lock_guard lock(m_mutex);
    return m_notices.size();
}

std::vector<WireEvent> VirtualMouse::events() const {
    std::lock_guard lock(m_mutex);
    return m_events;
}

void VirtualMouse::clearEvents() {
    std::lock_guard lock(m_mutex);
    m_events.clear();
}

Result<std::vector<HidInterfaceInfo>> VirtualMouse::Enumerate() {
    std::lock_guard lock(m_mutex);
    std::vector<HidInterfaceInfo> out;
    if (!m_plugged) {
        return out;
    }
    const HidInterfaceInfo keyboard{"virtual:keyboard", 0x046A, 0x0011, 0x0001, 0x0006, 9, 2, 0};
    const HidInterfaceInfo pointer{
        "virtual:gx508/pointer", kMouseVendorId, kMouseProductId, 0x0001, 0x0002, 8, 0, 0};
    const HidInterfaceInfo notice{kNoticePath,
                                  kMouseVendorId,
                                  kMouseProductId,
                                  kNoticeUsagePage,
                                  kNoticeUsage,
                                  kNoticeInputLength,
                                  0,
                                  0};
    const HidInterfaceInfo command{
        kCommandPath, kMouseVendorId, kMouseProductId, kCommandUsagePage, kCommandUsage, 9,
        33,           m_featureLength};
    out.push_back(keyboard);
    out.push_back(pointer);
    if (m_commandFirst) {
        out.push_back(command);
        out.push_back(notice);
    } else {
        out.push_back(notice);
        out.push_back(command);
    }
    if (m_secondMouse) {
        HidInterfaceInfo other = command;
        other.path = "virtual:gx508-second/command";
        out.push_back(other);
    }
    return out;
}

Result<std::unique_ptr<HidDevice>> VirtualMouse::Open(const std::string& path) {
    std::lock_guard lock(m_mutex);
    const bool ours = path == kCommandPath || path == kNoticePath;
    if (!m_plugged || !ours) {
        return Result<std::unique_ptr<HidDevice>>::Error("no such collection: " + path, ENODEV);
    }
    if (m_openDenied) {
        return Result<std::unique_ptr<HidDevice>>::Error("no access to " + path, EACCES);
    }
    if (m_openFails) {
        return Result<std::unique_ptr<HidDevice>>::Error("cannot open " + path, EIO);
    }
    if (path == kCommandPath) {
        return std::unique_ptr<HidDevice>(std::make_unique<CommandDevice>(*this, m_generation));
    }
    return std::unique_ptr<HidDevice>(std::make_unique<NoticeDevice>(*this, m_generation));
}

bool VirtualMouse::AliveLocked(std::uint64_t generation) const {
    return m_plugged && generation == m_generation;
}

Status VirtualMouse::Receive(WireEvent::Kind kind, std::span<const std::uint8_t> report,
                             std::uint64_t generation) {
    std::lock_guard lock(m_mutex);
    if (!AliveLocked(generation)) {
        return Status::Error("the mouse is gone");
    }
    if (m_writesFail) {
        return Status::Error("the mouse did not take the report");
    }
    const std::size_t expected = kind == WireEvent::Kind::Output ? 33 : 9;
    if (report.size() != expected) {
        return Status::Error("wrong report length");
    }
    m_events.push_back({kind, {report.begin(), report.end()}});
    if (kind == WireEvent::Kind::SetFeature) {
        m_lastQuery = report[1];
    }
    if (m_unplugCountdown > 0 && --m_unplugCountdown == 0) {
        m_plugged = false;
        m_noticeArrived.notify_all();
    }
    return Status::Ok();
}

Status VirtualMouse::Reply(std::span<std::uint8_t> report, std::uint64_t generation) {
    std::lock_guard lock(m_mutex);
    if (!AliveLocked(generation)) {
        return Status::Error("the mouse is gone");
    }
    if (report.size() != 9) {
        return Status::Error("wrong report length");
    }
    std::fill(report.begin(), report.end(), 0);
    report[1] = m_lastQuery;
    switch (m_lastQuery) {
        case 0x80:  // firmware version 1.3
            report[3] = 0x01;
            report[4] = 0x03;
            break;
        case 0x82:
            report[2] = m_profile;
            break;
        case 0x83:
            std::copy(m_options.begin(), m_options.end(), report.begin() + 2);
            break;
        default:
            break;
    }
    m_events.push_back({WireEvent::Kind::GetFeature, {report.begin(), report.end()}});
    return Status::Ok();
}

Result<std::size_t> VirtualMouse::ReadNotice(std::span<std::uint8_t> buffer, int timeoutMs,
                                             std::uint64_t generation) {
    std::unique_lock lock(m_mutex);
    const auto ready = [&] { return !AliveLocked(generation) || !m_notices.empty(); };
    if (!m_noticeArrived.wait_for(lock, std::chrono::milliseconds(std::max(timeoutMs, 0)), ready)) {
        return std::size_t{0};
    }
    if (!AliveLocked(generation)) {
        return Result<std::size_t>::Error("the notice collection went away", ENODEV);
    }
    std::vector<std::uint8_t> report = std::move(m_notices.front());
    m_notices.pop_front();
    const std::size_t n = std::min(report.size(), buffer.size());
    std::copy_n(report.begin(), n, buffer.begin());
    return n;
}

}  // namespace gx508
