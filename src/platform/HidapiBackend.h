// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "core/LogSink.h"
#include "core/device/HidTransport.h"

struct hid_device_;

namespace gx508 {

// The udev rule shipped with the program that gives the user at the local seat access to the
// mouse's hidraw nodes.
inline constexpr const char* kUdevRuleName = "70-gx508.rules";

// One entry of hidapi's device list (a hidraw node, possibly listed once per collection).
struct HidrawEntry {
    std::string path;  // "/dev/hidrawN"
    std::uint16_t vendorId = 0;
    std::uint16_t productId = 0;
    std::uint16_t usagePage = 0;
    std::uint16_t usage = 0;
};

// The hidraw backend of hidapi, listing only this mouse's nodes.
class HidapiBackend final : public HidBackend {
  public:
    // `sysfsRoot` is where sysfs is mounted; tests give a fake tree.
    explicit HidapiBackend(LogSink& log, std::filesystem::path sysfsRoot = "/sys");

    // The mouse's collections, one per top-level collection of each node, in hidapi's order.
    Result<std::vector<HidInterfaceInfo>> Enumerate() override;

    // Opens a hidraw node for reading and writing. A path that does not exist (or whose device
    // has gone) fails with a not-found code, a node this user may not open with an
    // access-denied code, anything else that is not an open hidraw node with another code.
    Result<std::unique_ptr<HidDevice>> Open(const std::string& path) override;

    // Turns hidapi's entries into one interface per top-level collection of each node, with
    // usages and report lengths parsed from <sysfs>/class/hidraw/<node>/device/report_descriptor.
    // A node whose descriptor cannot be read keeps hidapi's usages (once each) with lengths 0.
    std::vector<HidInterfaceInfo> DescribeCollections(std::span<const HidrawEntry> entries) const;

  private:
    LogSink& m_log;
    std::filesystem::path m_sysfsRoot;
};

// An open hidraw node. Frames pass through unchanged: report id first, exactly the length the
// caller gives (9 for a feature report, 33 for an output report of this mouse).
class HidapiDevice final : public HidDevice {
  public:
    // Takes ownership of an open hidapi handle.
    explicit HidapiDevice(hid_device_* handle);
    ~HidapiDevice() override;
    HidapiDevice(const HidapiDevice&) = delete;
    HidapiDevice& operator=(const HidapiDevice&) = delete;

    // Each fails unless the whole frame went through.
    Status SetFeature(std::span<const std::uint8_t> report) override;
    Status GetFeature(std::span<std::uint8_t> report) override;
    Status Write(std::span<const std::uint8_t> report) override;
    // Bytes read, 0 on timeout (or when a signal cut the wait short); fails on failure or
    // unplug.
    Result<std::size_t> Read(std::span<std::uint8_t> buffer, int timeoutMs) override;

  private:
    // Ok when the call moved exactly `expected` bytes; `code` is errno after the call.
    Status Outcome(const char* what, int result, int code, std::size_t expected) const;

    hid_device_* m_handle;
};

// True when the mouse is plugged in but this user may not open one of its command or notice
// nodes for reading and writing, i.e. the udev rule is missing: `interfaces` as Enumerate gave
// them.
bool MousePresentButInaccessible(const std::vector<HidInterfaceInfo>& interfaces);

}  // namespace gx508
