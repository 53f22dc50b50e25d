// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "core/device/HidTransport.h"

namespace gx508 {

// One report the virtual mouse received or answered.
struct WireEvent {
    enum class Kind { SetFeature, GetFeature, Output };
    Kind kind;
    std::vector<std::uint8_t> bytes;  // report id first
};

// A complete stand-in for the mouse behind the HID backend interface: a command collection and
// a notice collection with the mouse's usages and report lengths, replies to the three queries,
// notices on request, faults on request, and a record of every report it received.
//
// Thread-safe: notices may be queued and the mouse unplugged from any thread while the program
// reads the notice collection on its reader thread.
class VirtualMouse final : public HidBackend {
  public:
    static constexpr const char* kCommandPath = "virtual:gx508/command";
    static constexpr const char* kNoticePath = "virtual:gx508/notice";
    static constexpr std::uint16_t kNoticeInputLength = 8;

    VirtualMouse();
    ~VirtualMouse() override;

    // --- how it enumerates
    // The notice collection comes first unless this is set (then the command collection does).
    void setCommandCollectionFirst(bool first);
    // Overrides the command collection's feature report length (9 on the real mouse).
    void setFeatureReportLength(std::uint16_t length);
    // Lists a second, identical mouse after this one.
    void setSecondMouse(bool present);

    // --- faults
    void setOpenFails(bool fails);
    void setOpenDenied(bool denied);  // present but not accessible
    void setWritesFail(bool fail);    // feature and output reports fail
    // The mouse goes away after it has received this many more reports (0 = never).
    void unplugAfterReports(int reports);
    void unplug();
    void replug();
    bool plugged() const;

    // --- what it answers
    void setProfileByte(std::uint8_t profile);
    void setOptionBytes(std::array<std::uint8_t, 3> options);
    // Queues an input report on the notice collection; `notice` gives 06 07 KIND VALUE.
    void sendNotice(std::uint8_t kind, std::uint8_t value);
    void sendInputReport(std::vector<std::uint8_t> report);
    // Input reports queued and not yet read.
    std::size_t pendingNotices() const;

    // --- what it received, oldest first
    std::vector<WireEvent> events() const;
    void clearEvents();

    // HidBackend
    Result<std::vector<HidInterfaceInfo>> Enumerate() override;
    Result<std::unique_ptr<HidDevice>> Open(const std::string& path) override;

  private:
    class CommandDevice;
    class NoticeDevice;
    friend class CommandDevice;
    friend class NoticeDevice;

    Status Receive(WireEvent::Kind kind, std::span<const std::uint8_t> report,
                   std::uint64_t generation);
    Status Reply(std::span<std::uint8_t> report, std::uint64_t generation);
    Result<std::size_t> ReadNotice(std::span<std::uint8_t> buffer, int timeoutMs,
                                   std::uint64_t generation);
    bool AliveLocked(std::uint64_t generation) const;

    mutable std::mutex m_mutex;
    std::condition_variable m_noticeArrived;
    bool m_commandFirst = false;
    std::uint16_t m_featureLength = 9;
    bool m_secondMouse = false;
    bool m_openFails = false;
    bool m_openDenied = false;
    bool m_writesFail = false;
    int m_unplugCountdown = 0;
    bool m_plugged = true;
    std::uint64_t m_generation = 1;  // handles from an earlier plug-in stop working
    std::uint8_t m_profile = 0;
    std::array<std::uint8_t, 3> m_options = {0x01, 0x00, 0x00};
    std::uint8_t m_lastQuery = 0;
    std::deque<std::vector<std::uint8_t>> m_notices;
    std::vector<WireEvent> m_events;
};

}  // namespace gx508
