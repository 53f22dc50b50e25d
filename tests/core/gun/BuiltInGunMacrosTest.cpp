// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/gun/BuiltInGunMacros.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "core/macro/MacroStore.h"
#include "support/OrdinaryUser.h"
#include "support/TempFolder.h"

namespace gx508 {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes Slice(std::span<const std::uint8_t> image, std::size_t from, std::size_t count) {
    return Bytes(image.begin() + static_cast<std::ptrdiff_t>(from),
                 image.begin() + static_cast<std::ptrdiff_t>(from + count));
}

TEST(BuiltInGunMacrosTest, ImagesHaveTheirLengthsFirstBytesAndEndMarker) {
    struct Case {
        int number;
        std::size_t length;
        Bytes first;
    };
    const Case cases[] = {
        // loop 1; L press 14 ms; (6, 4, -4)
        {0, 504, {0x00, 0x01, 0x07, 0xF0, 0x03, 0xFA, 0x04, 0xFC}},
        // loop 1; L press 14 ms; (18, 0, -9); L release 10 ms; (14, 0, -1)
        {1,
         292,
         {0x00, 0x01, 0x07, 0xF0, 0x09, 0xFA, 0x00, 0xF7, 0x85, 0xF0, 0x07, 0xFA, 0x00, 0xFF}},
        // loop 1; L press 10 ms; (52, 2, -12)
        {2, 64, {0x00, 0x01, 0x05, 0xF0, 0x1A, 0xFA, 0x02, 0xF4}},
    };
    for (const Case& c : cases) {
        const std::span<const std::uint8_t> image = BuiltInGunMacro(c.number);
        ASSERT_EQ(image.size(), c.length) << c.number;
        EXPECT_EQ(Slice(image, 0, c.first.size()), c.first) << c.number;
        EXPECT_EQ(Slice(image, c.length - 2, 2), (Bytes{0, 0})) << c.number;
        EXPECT_NE(image[c.length - 3], 0) << c.number;  // the last record ends right there
    }
    EXPECT_TRUE(BuiltInGunMacro(3).empty());
    EXPECT_TRUE(BuiltInGunMacro(-1).empty());
}

TEST(BuiltInGunMacrosTest, CyclesChangeWhereDescribed) {
    // Built-in 0: 20-byte cycles from offset 2; cycle 2 pulls by 2 and ends (2, -4, -1);
    // cycle 9 pulls by 5.
    const auto zero = BuiltInGunMacro(0);
    EXPECT_EQ(Slice(zero, 2 + 20, 20),
              (Bytes{0x07, 0xF0, 0x03, 0xFA, 0x04, 0xFE, 0x03, 0xFA, 0xFC, 0xFE,
                     0x03, 0xFA, 0x04, 0xFF, 0x85, 0xF0, 0x01, 0xFA, 0xFC, 0xFF}));
    EXPECT_EQ(Slice(zero, 2 + 8 * 20, 10),
              (Bytes{0x07, 0xF0, 0x03, 0xFA, 0x04, 0xFB, 0x03, 0xFA, 0xFC, 0xFB}));
    // Built-in 1: 12-byte cycles; cycle 24 ends (2, 1, -3).
    EXPECT_EQ(Slice(BuiltInGunMacro(1), 2 + 23 * 12, 12),
              (Bytes{0x07, 0xF0, 0x09, 0xFA, 0x00, 0xF7, 0x85, 0xF0, 0x01, 0xFA, 0x01, 0xFD}));
    // Built-in 2 ends: (46, -2, -14); L release 2 ms; L press 54 ms; (4, 2, -15);
    // (52, -2, -15); (46, 2, -15); L release 10 ms; (52, -2, -15); end marker.
    EXPECT_EQ(Slice(BuiltInGunMacro(2), 36, 28),
              (Bytes{0x17, 0xFA, 0xFE, 0xF2, 0x81, 0xF0, 0x1B, 0xF0, 0x02, 0xFA,
                     0x02, 0xF1, 0x1A, 0xFA, 0xFE, 0xF1, 0x17, 0xFA, 0x02, 0xF1,
                     0x85, 0xF0, 0x1A, 0xFA, 0xFE, 0xF1, 0x00, 0x00}));
}

TEST(BuiltInGunMacrosTest, SeedsTheNamesOnlyWhenTheStoreHasNoGunList) {
    test::TempFolder folder;
    const auto store = folder / "record.ini";
    const std::array<std::string, 3> names = {"Snipe", "AKM", "Standard Gun"};

    ASSERT_TRUE(SeedBuiltInGunMacroNames(store, names));
    EXPECT_EQ(ListMacroNames(store, MacroKind::Gun),
              (std::vector<std::string>{"Snipe", "AKM", "Standard Gun"}));

    ASSERT_TRUE(SaveNameList(store, MacroKind::Gun, std::vector<std::string>{}));
    ASSERT_TRUE(SeedBuiltInGunMacroNames(store, names));
    EXPECT_TRUE(ListMacroNames(store, MacroKind::Gun).empty());

    // A store the user may not read is neither taken for one without a list nor replaced.
    const test::Refusal refusal = test::RefusalOfUnreadableFile(
        "[MacroName]\r\nMacroCount=1\r\n0=mine\r\n",
        [&](const std::filesystem::path& p) { return SeedBuiltInGunMacroNames(p, names); });
    if (refusal == test::Refusal::NotRun) {
        GTEST_SKIP() << "cannot run as an ordinary user here";
    }
    EXPECT_EQ(refusal, test::Refusal::Refused);
}

TEST(BuiltInGunMacrosTest, TheSeededNamesAreTheLanguagesDefaultGunNames) {
    EXPECT_EQ(BuiltInGunMacroNames(LanguageTable::For("EN")),
              (std::array<std::string, 3>{"Snipe", "AKM", "Standard Gun"}));
    EXPECT_EQ(BuiltInGunMacroNames(LanguageTable::For("CHS")),
              (std::array<std::string, 3>{"狙三连发", "AKM", "标准压枪"}));
    // A language without texts still gives the built-ins names to choose them by.
    EXPECT_EQ(BuiltInGunMacroNames(LanguageTable::For("XX")),
              (std::array<std::string, 3>{"Snipe", "AKM", "Standard Gun"}));

    test::TempFolder folder;
    const auto store = folder / "record.ini";
    EXPECT_FALSE(HasGunMacroList(store));
    test::WriteText(store, "[MacroName]\nMacroCount=1\n0=Reload\n");
    EXPECT_FALSE(HasGunMacroList(store));
    test::WriteText(store, "[GunMacroName]\nMacroCount=0\n0=\n");
    EXPECT_TRUE(HasGunMacroList(store));
}

}  // namespace
}  // namespace gx508
