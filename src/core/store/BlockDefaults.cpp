// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/store/BlockDefaults.h"

#include <array>
#include <cstdint>

namespace gx508 {

namespace {

using Bytes12 = std::array<std::uint8_t, block::kButtonCount>;

// Categories of buttons 0..11.
constexpr Bytes12 kStandardMap = {0, 1, 2, 16, 15, 6, 6, 13, 4, 3, 13, 13};
constexpr Bytes12 kGamingMap = {0, 1, 2, 23, 22, 6, 6, 10, 20, 19, 19, 19};
// DPI kinds of buttons 0..11, then the twelve reserved bytes that follow them.
constexpr std::array<std::uint8_t, 24> kDpiKindsAndReserved = {
    13, 13, 13, 2, 1, 1, 2, 0, 0, 0, 0, 0, 2, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
constexpr std::uint8_t kFireModeKey = 5;  // keyboard usage of "B"
constexpr int kFireModeButton = 7;

constexpr std::array<std::uint8_t, 12> kReportRateAndDpi = {1, 1, 1, 1, 2, 2, 4, 9, 19, 29, 39, 54};
constexpr std::array<Rgb, 7> kColours = {Rgb{255, 0, 0},   Rgb{0, 0, 255},   Rgb{0, 255, 0},
                                         Rgb{255, 255, 0}, Rgb{0, 255, 255}, Rgb{255, 0, 255},
                                         Rgb{255, 0, 255}};
constexpr std::array<std::uint8_t, 4> kLighting = {1, 5, 5, 5};
// Bytes 59..68: precision, wheel screen, pointer speed, scroll lines, double click, snap value,
// snapping, reserved, X and Y sensitivity.
constexpr std::array<std::uint8_t, 10> kPointerAndSensitivity = {255, 0, 6, 3, 6, 0, 0, 6, 5, 5};
constexpr std::array<std::int32_t, 3> kGunValue4 = {-14, -10, -20};
constexpr std::array<std::uint8_t, 3> kGunButtons = {11, 10, 9};

void WriteBytes(SettingsBlock& b, std::size_t offset, std::span<const std::uint8_t> bytes) {
    for (std::size_t k = 0; k < bytes.size(); ++k) {
        b.setByte(offset + k, bytes[k]);
    }
}

void SetPredefinedGunNames(SharedState& state) {
    state.gunNames[0] = state.texts[Text::Snipe];
    state.gunNames[1] = state.texts[Text::Akm];
    state.gunNames[2] = state.texts[Text::StandardGun];
}

void FreeSlot(SettingsBlock& b, int slot) {
    b.setSlot(SlotField::MacroNumber, slot, kNone);
    b.setSlot(SlotField::Kind, slot, kNone);
    b.setSlot(SlotField::InUse, slot, kNone);
    b.setSlot(SlotField::Owner, slot, kNone);
    b.setSlotLength(slot, 0);
}

}  // namespace

void StartupReset(SharedState& state) {
    SettingsBlock& b = state.block;
    b.fill(block::kGunButton, block::kGunSwitchCount, kNone);
    b.setByte(block::kGunBindingCount, 0);
    b.setByte(block::kGunItemTotal, 0);
    for (int s = 0; s < block::kSlotCount; ++s) {
        FreeSlot(b, s);
    }
    SetPredefinedGunNames(state);
}

void ApplyCodeDefaults(SharedState& state) {
    SettingsBlock& b = state.block;
    const bool gaming = state.currentProfile == kGamingProfile;

    WriteBytes(b, block::kReserved8, kReportRateAndDpi);
    b.fill(block::kStageEnabled, block::kStageCount, 1);
    for (int c = 0; c < 6; ++c) {
        b.setStageColour(c, kColours[static_cast<std::size_t>(c)]);
    }
    const Rgb seventh = kColours[6];
    WriteBytes(b, block::kSeventhColour, std::array{seventh.red, seventh.green, seventh.blue});
    b.fill(block::kReserved51, 3, 0);
    WriteBytes(b, block::kLightingMode, kLighting);
    WriteBytes(b, block::kEnhancePrecision, kPointerAndSensitivity);

    WriteBytes(b, block::kCategory, gaming ? kGamingMap : kStandardMap);
    WriteBytes(b, block::kDpiKind, kDpiKindsAndReserved);
    b.fill(block::kMultimediaUsage, block::kReserved297 - block::kMultimediaUsage, 0);
    if (gaming) {
        b.setButton(ButtonField::KeyboardKey, kFireModeButton, kFireModeKey);
    }

    for (int j = 0; j < block::kGunSwitchCount; ++j) {
        b.setGunAssigned(j, true);
    }
    for (int j = 0; j < 3; ++j) {
        b.setGunButton(j, kGunButtons[static_cast<std::size_t>(j)]);
    }
    SetPredefinedGunNames(state);
    state.gunNames[3].clear();

    for (int j = 0; j < block::kGunParamRecords; ++j) {
        for (std::size_t base : {block::kGunParam, block::kGunParamCopy}) {
            const std::size_t record = base + block::kGunParamSize * static_cast<std::size_t>(j);
            b.setI32(record + 8, 20);
            b.setI32(record + 12, 0);
            b.setI32(record + 16, kGunValue4[static_cast<std::size_t>(j)]);
            b.setI32(record + 24, 1);
        }
    }

    b.setByte(block::kGunBindingCount, 0);
    b.setByte(block::kGunItemTotal, 0);
    for (int s = 0; s <= 5; ++s) {
        FreeSlot(b, s);
    }
    b.fill(block::kGunRunMode, 3, 2);
    for (int s = 6; s <= 8; ++s) {
        b.setSlot(SlotField::MacroNumber, s, static_cast<std::uint8_t>(s - 6));
        b.setSlot(SlotField::Kind, s, 1);
        b.setSlot(SlotField::InUse, s, 1);
    }
}

}  // namespace gx508
