// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/perf/PointerSettings.h"

#include <algorithm>
#include <cstddef>

#include "core/perf/PerfValues.h"

namespace gx508 {

PointerValues PointerValuesOf(const SettingsBlock& block) {
    // A damaged file may hold any byte: each value is first brought into its range, so the
    // desktop never gets a speed, line count or double-click time the pages cannot set.
    const auto stored = [&block](std::size_t offset, int lowest, int highest) {
        return std::clamp(static_cast<int>(block.byte(offset)), lowest, highest);
    };
    PointerValues v;
    v.enhancePrecision = block.byte(block::kEnhancePrecision) == 1;
    const int speed = stored(block::kPointerSpeed, kMinSpeed, kMaxSpeed);
    v.pointerSpeed = speed == 1 ? 1 : 2 * speed - 2;
    v.wheelScrollsPage = block.byte(block::kWheelScrollsScreen) != 0;
    v.wheelScrollLines = stored(block::kWheelScrollLines, kMinWheelLines, kMaxWheelLines);
    v.doubleClickMs = 970 - 70 * stored(block::kDoubleClickSpeed, kMinSpeed, kMaxSpeed);
    return v;
}

void ApplyPointerSettings(const SettingsBlock& block, PointerBackend& backend, LogSink& log) {
    const PointerValues v = PointerValuesOf(block);
    if (!backend.SetPrecision(v.enhancePrecision)) {
        log.Write("SETMOUSE failed.\n");
    }
    if (!backend.SetSpeed(v.pointerSpeed)) {
        log.Write("SETMOUSESPEED failed.\n");
    }
    if (!backend.SetWheel(v.wheelScrollsPage, v.wheelScrollLines)) {
        log.Write("SETWHEELSCROLLLINES failed.\n");
    }
    if (!backend.SetDoubleClickTime(v.doubleClickMs)) {
        log.Write("SPI_SETDOUBLECLICKTIME failed.\n");
    }
}

bool RecordingPointerBackend::SetPrecision(bool enhance) {
    m_calls.push_back(enhance ? "precision on" : "precision off");
    return true;
}

bool RecordingPointerBackend::SetSpeed(int speed) {
    m_calls.push_back("speed " + std::to_string(speed));
    return true;
}

bool RecordingPointerBackend::SetWheel(bool page, int lines) {
    m_calls.push_back(page ? std::string("wheel page") : "wheel " + std::to_string(lines));
    return true;
}

bool RecordingPointerBackend::SetDoubleClickTime(int milliseconds) {
    m_calls.push_back("double-click " + std::to_string(milliseconds));
    return true;
}

bool LoggingPointerBackend::SetPrecision(bool enhance) {
    m_log.Write(std::string("pointer precision ") + (enhance ? "on" : "off"));
    return true;
}

bool LoggingPointerBackend::SetSpeed(int speed) {
    m_log.Write("pointer speed " + std::to_string(speed));
    return true;
}

bool LoggingPointerBackend::SetWheel(bool page, int lines) {
    m_log.Write(page ? std::string("wheel scrolls a page")
                     : "wheel scrolls " + std::to_string(lines) + " lines");
    return true;
}

bool LoggingPointerBackend::SetDoubleClickTime(int milliseconds) {
    m_log.Write("double-click time " + std::to_string(milliseconds) + " ms");
    return true;
}

}  // namespace gx508
