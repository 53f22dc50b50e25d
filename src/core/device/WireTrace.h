// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string>

#include "core/device/HidTransport.h"
#include "core/device/Pacer.h"

namespace gx508 {

// Receives one wire-trace line at a time, without the line break:
//   SET_FEATURE 00 01 02 00 00 00 00 00 FC   a feature report sent
//   GET_FEATURE 00 80 00 01 03 00 00 00 00   a feature report read back (the bytes received)
//   OUTPUT 00 FF 00 ...                      an output report written
//   SLEEP 10                                 a pause of the protocol, in milliseconds
using TraceSink = std::function<void(const std::string& line)>;

// "NAME" followed by the bytes in upper-case hex, separated by single blanks.
std::string TraceLine(const char* name, std::span<const std::uint8_t> bytes);

// Passes every call to `inner` and traces what went over the wire.
class TracingDevice final : public HidDevice {
  public:
    TracingDevice(std::shared_ptr<HidDevice> inner, TraceSink sink);
    Status SetFeature(std::span<const std::uint8_t> report) override;
    Status GetFeature(std::span<std::uint8_t> report) override;
    Status Write(std::span<const std::uint8_t> report) override;
    Result<std::size_t> Read(std::span<std::uint8_t> buffer, int timeoutMs) override;

  private:
    std::shared_ptr<HidDevice> m_inner;
    TraceSink m_sink;
};

// Traces each pause, then lets `inner` take it.
class TracingPacer final : public Pacer {
  public:
    TracingPacer(Pacer& inner, TraceSink sink) : m_inner(inner), m_sink(std::move(sink)) {}
    void Pause(int milliseconds) override;

  private:
    Pacer& m_inner;
    TraceSink m_sink;
};

}  // namespace gx508
