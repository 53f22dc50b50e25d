// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/gun/BuiltInGunMacros.h"

#include <array>
#include <string>
#include <vector>

#include "core/macro/MacroEncoder.h"
#include "core/macro/MacroStore.h"

namespace gx508 {

namespace {

constexpr std::uint8_t kLeftButton = 0xF0;

// Builds a device image of short records at compile time; `at` ends as the image length.
template <std::size_t N>
struct Image {
    std::array<std::uint8_t, N> bytes{};
    std::size_t at = 2;

    constexpr Image() { bytes[1] = 1; }  // loop count 1, big-endian

    constexpr void put(std::uint8_t value) {
        if (at < N) {
            bytes[at] = value;
        }
        ++at;
    }
    constexpr void press(int delay) {
        put(static_cast<std::uint8_t>(delay / 2));
        put(kLeftButton);
    }
    constexpr void release(int delay) {
        put(static_cast<std::uint8_t>(kReleaseBit + delay / 2));
        put(kLeftButton);
    }
    constexpr void move(int delay, int x, int y) {
        put(static_cast<std::uint8_t>(delay / 2));
        put(kDisplacementCode);
        put(static_cast<std::uint8_t>(x & 0xFF));
        put(static_cast<std::uint8_t>(y & 0xFF));
    }
    constexpr void end() {
        put(0);
        put(0);
    }
};

// 25 cycles: the first pulls up by 4, cycles 2 to 8 by 2, cycles 9 to 25 by 5.
constexpr Image<504> MakeBuiltIn0() {
    Image<504> m;
    for (int cycle = 1; cycle <= 25; ++cycle) {
        const int pull = cycle == 1 ? -4 : cycle <= 8 ? -2 : -5;
        m.press(14);
        m.move(6, 4, pull);
        m.move(6, -4, pull);
        m.move(6, 4, -1);
        m.release(10);
        m.move(cycle == 1 ? 14 : 2, -4, -1);
    }
    m.end();
    return m;
}

// 24 single shots, each followed by a pull whose size grows with the burst.
constexpr Image<292> MakeBuiltIn1() {
    Image<292> m;
    for (int cycle = 1; cycle <= 24; ++cycle) {
        const int y1 = cycle == 1 ? -9 : cycle <= 8 ? -5 : cycle <= 14 ? -7 : -9;
        const int d2 = cycle == 1 ? 14 : 2;
        const int x2 = cycle <= 20 ? 0 : 1;
        const int y2 = cycle <= 8 ? -1 : -3;
        m.press(14);
        m.move(18, 0, y1);
        m.release(10);
        m.move(d2, x2, y2);
    }
    m.end();
    return m;
}

// Three short bursts.
constexpr Image<64> MakeBuiltIn2() {
    Image<64> m;
    m.press(10);
    m.move(52, 2, -12);
    m.move(52, -2, -12);
    m.move(52, 2, -10);
    m.release(10);
    m.move(52, -2, -10);
    m.press(10);
    m.move(52, 2, -14);
    m.move(52, -2, -14);
    m.move(52, 2, -14);
    m.move(46, -2, -14);
    m.release(2);
    m.press(54);
    m.move(4, 2, -15);
    m.move(52, -2, -15);
    m.move(46, 2, -15);
    m.release(10);
    m.move(52, -2, -15);
    m.end();
    return m;
}

constexpr Image<504> kBuiltIn0 = MakeBuiltIn0();
constexpr Image<292> kBuiltIn1 = MakeBuiltIn1();
constexpr Image<64> kBuiltIn2 = MakeBuiltIn2();
static_assert(kBuiltIn0.at == 504 && kBuiltIn1.at == 292 && kBuiltIn2.at == 64);

}  // namespace

bool IsBuiltInGunMacro(int position) {
    return position >= 0 && position < kBuiltInGunMacroCount;
}

std::span<const std::uint8_t> BuiltInGunMacro(int number) {
    switch (number) {
        case 0:
            return kBuiltIn0.bytes;
        case 1:
            return kBuiltIn1.bytes;
        case 2:
            return kBuiltIn2.bytes;
        default:
            return {};
    }
}

bool HasGunMacroList(const std::filesystem::path& store) {
    if (!FileExists(store)) {
        return false;
    }
    const std::string_view section = ListSectionOf(MacroKind::Gun);
    const IniDocument document = IniDocument::Load(store);
    return document.Get(section, "MacroCount") || document.Get(section, "0");
}

std::array<std::string, kBuiltInGunMacroCount> BuiltInGunMacroNames(const LanguageTable& texts) {
    const LanguageTable english = LanguageTable::For("EN");
    std::array<std::string, kBuiltInGunMacroCount> names;
    for (int k = 0; k < kBuiltInGunMacroCount; ++k) {
        const std::string_view own = DefaultGunName(texts, k);
        names[static_cast<std::size_t>(k)] = own.empty() ? DefaultGunName(english, k) : own;
    }
    return names;
}

Status SeedBuiltInGunMacroNames(const std::filesystem::path& store,
                                std::span<const std::string, kBuiltInGunMacroCount> names) {
    const std::string_view section = ListSectionOf(MacroKind::Gun);
    const std::vector<std::string> list(names.begin(), names.end());
    return EditIniFile(store, [&](IniDocument& document) {
        if (document.Get(section, "MacroCount") || document.Get(section, "0")) {
            return Status::Ok();
        }
        return PutNameList(document, MacroKind::Gun, list);
    });
}

}  // namespace gx508
