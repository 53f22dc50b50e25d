// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/LogSink.h"
#include "core/store/SettingsBlock.h"

namespace gx508 {

// The desktop pointer settings the block carries, as the values the desktop takes.
struct PointerValues {
    bool enhancePrecision = false;  // thresholds 6, 10 and acceleration 1 when on, all 0 when off
    int pointerSpeed = 10;          // 1..20
    bool wheelScrollsPage = false;  // a screen per wheel notch instead of lines
    int wheelScrollLines = 3;
    int doubleClickMs = 550;
    friend bool operator==(const PointerValues&, const PointerValues&) = default;
};

PointerValues PointerValuesOf(const SettingsBlock& block);

// Where the pointer settings go: the desktop's settings on a real system, a recording in tests.
// Each call says whether the desktop took the value.
class PointerBackend {
  public:
    virtual ~PointerBackend() = default;
    virtual bool SetPrecision(bool enhance) = 0;
    virtual bool SetSpeed(int speed) = 0;
    virtual bool SetWheel(bool page, int lines) = 0;
    virtual bool SetDoubleClickTime(int milliseconds) = 0;
};

// Writes the four settings in the order precision, speed, wheel, double-click time; a setting
// the desktop refuses is logged and the others still go.
void ApplyPointerSettings(const SettingsBlock& block, PointerBackend& backend, LogSink& log);

// Keeps what it was given, in order, as lines such as "speed 10".
class RecordingPointerBackend final : public PointerBackend {
  public:
    bool SetPrecision(bool enhance) override;
    bool SetSpeed(int speed) override;
    bool SetWheel(bool page, int lines) override;
    bool SetDoubleClickTime(int milliseconds) override;
    const std::vector<std::string>& calls() const { return m_calls; }

  private:
    std::vector<std::string> m_calls;
};

// Takes every value and only logs it: for a desktop whose settings the program cannot reach.
class LoggingPointerBackend final : public PointerBackend {
  public:
    explicit LoggingPointerBackend(LogSink& log) : m_log(log) {}
    bool SetPrecision(bool enhance) override;
    bool SetSpeed(int speed) override;
    bool SetWheel(bool page, int lines) override;
    bool SetDoubleClickTime(int milliseconds) override;

  private:
    LogSink& m_log;
};

}  // namespace gx508
