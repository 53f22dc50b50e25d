// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cerrno>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "core/Status.h"

namespace gx508 {

// One top-level HID collection of a device, as the operating system lists it. Report lengths
// count the report-id byte, so a collection without report ids that carries 8-byte feature
// reports has a feature report length of 9.
struct HidInterfaceInfo {
    std::string path;
    std::uint16_t vendorId = 0;
    std::uint16_t productId = 0;
    std::uint16_t usagePage = 0;
    std::uint16_t usage = 0;
    std::uint16_t inputReportLength = 0;
    std::uint16_t outputReportLength = 0;
    std::uint16_t featureReportLength = 0;
};

// An open collection. Every buffer includes the report-id byte first (0 for this mouse).
class HidDevice {
  public:
    virtual ~HidDevice() = default;
    // Sends a feature report (the whole frame, report id first).
    virtual Status SetFeature(std::span<const std::uint8_t> report) = 0;
    // Reads a feature report: `report[0]` holds the report id on entry; on success the reply
    // fills the buffer (report id first).
    virtual Status GetFeature(std::span<std::uint8_t> report) = 0;
    // Writes an output report (the whole frame, report id first).
    virtual Status Write(std::span<const std::uint8_t> report) = 0;
    // Reads one input report into `buffer` (no report-id byte is added). Gives the number of
    // bytes read, 0 when nothing arrived within `timeoutMs`; fails when the device failed or
    // went away.
    virtual Result<std::size_t> Read(std::span<std::uint8_t> buffer, int timeoutMs) = 0;
};

// The error codes an open reports: a collection that is not there (or went away) and one
// the user may not open. Any other code is a failure of another kind.
inline bool IsNotFoundCode(int code) {
    return code == ENOENT || code == ENODEV || code == ENXIO;
}
inline bool IsAccessDeniedCode(int code) {
    return code == EACCES || code == EPERM;
}

// Lists and opens HID collections: hidapi on a real system, the virtual mouse in tests.
class HidBackend {
  public:
    virtual ~HidBackend() = default;
    // Every HID collection present, in the system's order. Fails when the list cannot be had.
    virtual Result<std::vector<HidInterfaceInfo>> Enumerate() = 0;
    // Opens a collection; a failure carries the error code (see IsNotFoundCode and
    // IsAccessDeniedCode).
    virtual Result<std::unique_ptr<HidDevice>> Open(const std::string& path) = 0;
};

}  // namespace gx508
