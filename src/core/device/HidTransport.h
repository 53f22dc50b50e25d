#pragma once

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
    // Reads one input report into `buffer` (no report-id byte is added). Returns the number of
    // bytes read, 0 when nothing arrived within `timeoutMs`, or -1 when the device failed or
    // went away.
    virtual int Read(std::span<std::uint8_t> buffer, int timeoutMs) = 0;
};

// Why an interface could not be opened.
enum class OpenError { None, NotFound, PermissionDenied, Failed };

// Lists and opens HID collections: hidapi on a real system, the virtual mouse in tests.
class HidBackend {
  public:
    virtual ~HidBackend() = default;
    // Every HID collection present, in the system's order. Fails when the list cannot be had.
    virtual Status Enumerate(std::vector<HidInterfaceInfo>& out) = 0;
    // Opens a collection; on failure returns null and says why in `error`.
    virtual std::unique_ptr<HidDevice> Open(const std::string& path, OpenError& error) = 0;
};

}  // namespace gx508
