// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <chrono>
#include <cstdint>

namespace gx508 {

// A monotonic clock in milliseconds, read by the macro recorders to measure the time between
// keystrokes. Only differences between two readings mean anything.
class RecorderClock {
  public:
    virtual ~RecorderClock() = default;
    virtual std::int64_t Milliseconds() const = 0;
};

// The system's steady clock.
class SteadyRecorderClock final : public RecorderClock {
  public:
    std::int64_t Milliseconds() const override {
        return std::chrono::duration_cast<std::chrono::milliseconds>(
                   std::chrono::steady_clock::now().time_since_epoch())
            .count();
    }
};

}  // namespace gx508
