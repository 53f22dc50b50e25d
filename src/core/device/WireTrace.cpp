// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/device/WireTrace.h"

#include <utility>

namespace gx508 {

std::string TraceLine(const char* name, std::span<const std::uint8_t> bytes) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string line = name;
    line.reserve(line.size() + 3 * bytes.size());
    for (std::uint8_t b : bytes) {
        line += ' ';
        line += kHex[b >> 4];
        line += kHex[b & 0x0F];
    }
    return line;
}

TracingDevice::TracingDevice(std::shared_ptr<HidDevice> inner, TraceSink sink)
    : m_inner(std::move(inner)), m_sink(std::move(sink)) {}

Status TracingDevice::SetFeature(std::span<const std::uint8_t> report) {
    m_sink(TraceLine("SET_FEATURE", report));
    return m_inner->SetFeature(report);
}

Status TracingDevice::GetFeature(std::span<std::uint8_t> report) {
    Status status = m_inner->GetFeature(report);
    m_sink(TraceLine("GET_FEATURE", report));
    return status;
}

Status TracingDevice::Write(std::span<const std::uint8_t> report) {
    m_sink(TraceLine("OUTPUT", report));
    return m_inner->Write(report);
}

Result<std::size_t> TracingDevice::Read(std::span<std::uint8_t> buffer, int timeoutMs) {
    return m_inner->Read(buffer, timeoutMs);
}

void TracingPacer::Pause(int milliseconds) {
    m_sink("SLEEP " + std::to_string(milliseconds));
    m_inner.Pause(milliseconds);
}

}  // namespace gx508
