// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/assign/FunctionCatalogue.h"

#include <array>
#include <cstddef>

namespace gx508 {
namespace {

constexpr auto kPresets = std::to_array<PresetFunction>({
    {command::kClick, Category::LeftClick, Text::Click},
    {command::kMenu, Category::RightClick, Text::Menu},
    {command::kScroll, Category::MiddleClick, Text::Scroll},
    {command::kForward, Category::Forward, Text::Forward},
    {command::kBack, Category::Back, Text::BackFunction},
    {command::kDoubleClick, Category::DoubleClick, Text::DoubleClick},
    {command::kLeftTiltScroll, Category::TiltLeft, Text::LeftTiltScroll},
    {command::kRightTiltScroll, Category::TiltRight, Text::RightTiltScroll},
    {command::kDeactivated, Category::Disabled, Text::Deactivated},
    {command::kRun, Category::AutoRun, Text::Run},
    {command::kSkipLeft, Category::SkipLeft, Text::SkipLeft},
    {command::kSkipRight, Category::SkipRight, Text::SkipRight},
    {command::kFireMode, Category::KeyboardKey, Text::FireMode},
});

constexpr std::array<std::uint8_t, 8> kMultimediaUsages = {0x83, 0xB5, 0xB6, 0xB7,
                                                           0xCD, 0xE2, 0xE9, 0xEA};
// N, X, C, V, S, P, F, Y, Z, A.
constexpr std::array<std::uint8_t, 10> kOfficeKeys = {0x11, 0x1B, 0x06, 0x19, 0x16,
                                                      0x13, 0x09, 0x1C, 0x1D, 0x04};

// Button index of caption "Button n" at n - 1.
constexpr std::array<int, block::kButtonCount> kIndexOfCaption = {0, 1,  2,  4, 3, 5,
                                                                  6, 11, 10, 9, 8, 7};

template <std::size_t N>
std::uint8_t Entry(const std::array<std::uint8_t, N>& table, int k) {
    return k >= 0 && static_cast<std::size_t>(k) < N ? table[static_cast<std::size_t>(k)] : 0;
}

}  // namespace

std::span<const PresetFunction> PresetFunctions() {
    return kPresets;
}

const PresetFunction* PresetOfCommand(int command) {
    for (const PresetFunction& p : kPresets) {
        if (p.command == command) {
            return &p;
        }
    }
    return nullptr;
}

std::uint8_t MultimediaUsage(int k) {
    return Entry(kMultimediaUsages, k);
}

std::uint8_t OfficeKeyUsage(int k) {
    return Entry(kOfficeKeys, k);
}

bool IsLastLeftClick(const SettingsBlock& block, int button) {
    if (button < 0 || button >= block::kButtonCount) {
        return false;
    }
    const auto leftClick = static_cast<std::uint8_t>(Category::LeftClick);
    if (block.button(ButtonField::Category, button) != leftClick) {
        return false;
    }
    int count = 0;
    for (int i = 0; i < block::kButtonCount; ++i) {
        if (block.button(ButtonField::Category, i) == leftClick) {
            ++count;
        }
    }
    return count == 1;
}

int ButtonIndexOfCaption(int captionNumber) {
    if (captionNumber < 1 || captionNumber > block::kButtonCount) {
        return -1;
    }
    return kIndexOfCaption[static_cast<std::size_t>(captionNumber - 1)];
}

int CaptionOfButtonIndex(int button) {
    for (std::size_t n = 0; n < kIndexOfCaption.size(); ++n) {
        if (kIndexOfCaption[n] == button) {
            return static_cast<int>(n) + 1;
        }
    }
    return 0;
}

}  // namespace gx508
