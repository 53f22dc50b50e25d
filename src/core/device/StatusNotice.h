// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>

#include "core/device/DeviceNotice.h"
#include "core/i18n/LanguageTable.h"
#include "core/store/SettingsBlock.h"

namespace gx508 {

inline constexpr int kNoticeBalloonMs = 5000;     // DPI stage and macro key notices
inline constexpr int kConnectionBalloonMs = 100;  // the mouse arrived or went

// A balloon on the notification icon.
struct Balloon {
    std::string title;
    std::string text;
    int displayMs = 0;
    friend bool operator==(const Balloon&, const Balloon&) = default;
};

// What the main window shows for a status notice:
// - kinds 1, 2, 3 with value 1..7: "Switch DPI into the ... stage " and the DPI of the stage's
//   index byte in `saved` (offset 14 + value - 1; value 7 reads the byte after the six stages);
// - kind 9 with a non-zero value: "Switch to macro key" and the value in decimal;
// - kind 14: the mouse was detected; kind 15 (titled "Warning"): it was not.
// Nothing for any other kind or value. `saved` is the block as last applied, not the edits.
std::optional<Balloon> StatusNoticeBalloon(const LanguageTable& texts, const SettingsBlock& saved,
                                           DeviceNotice notice);

}  // namespace gx508
