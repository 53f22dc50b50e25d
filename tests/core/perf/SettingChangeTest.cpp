// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/perf/SettingChange.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "core/LogSink.h"
#include "core/store/BlockDefaults.h"

namespace gx508 {
namespace {

using Words = std::vector<std::string>;
using Bytes = std::vector<std::pair<std::size_t, std::uint8_t>>;

SettingsBlock Defaults() {
    NullLog log;
    SharedState state("/nonexistent", log);
    ApplyCodeDefaults(state);
    return state.block;
}

TEST(SettingChangeTest, EachSettingWritesExactlyItsBytes) {
    struct Case {
        Words words;
        Bytes changed;  // every other byte stays as it was
    };
    const std::vector<Case> cases = {
        {{"dpi", "3", "100"}, {{16, 0}}},
        {{"dpi", "1", "5000"}, {{14, 49}}},
        {{"dpi", "6", "5200"}, {{19, 50}}},
        {{"dpi", "2", "6000"}, {{15, 54}}},
        {{"stage", "5", "off"}, {{26, 0}}},
        {{"colour", "2", "#12abEF"}, {{33, 0x12}, {34, 0xAB}, {35, 0xEF}}},
        {{"colour", "6", "000000"}, {{45, 0}, {46, 0}, {47, 0}}},
        {{"lighting", "breathing"}, {{54, 2}}},
        {{"lighting", "neon", "6"}, {{54, 3}, {57, 6}}},
        {{"lighting", "standard", "1"}, {{55, 1}}},
        {{"rate", "1000"}, {{12, 1}}},
        {{"rate", "125"}, {{12, 8}}},
        {{"rate", "250"}, {{12, 4}}},
        {{"sensitivity", "1", "11"}, {{67, 1}, {68, 11}}},
        {{"pointer-speed", "11"}, {{61, 11}}},
        {{"double-click", "1"}, {{63, 1}}},
        {{"wheel", "100"}, {{62, 100}}},
        {{"wheel", "page"}, {{60, 1}}},
        {{"precision", "on"}, {{59, 1}}},
        {{"precision", "off"}, {{59, 0}}},
    };
    for (const Case& c : cases) {
        SettingsBlock block = Defaults();
        SettingsBlock expected = block;
        for (const auto& [offset, value] : c.changed) {
            expected.setByte(offset, value);
        }
        const Status status = ChangeSetting(block, c.words);
        EXPECT_TRUE(status.ok()) << c.words[0] << ": " << status.message();
        EXPECT_TRUE(block == expected) << c.words[0] << " " << c.words[1];
    }
}

TEST(SettingChangeTest, LinesAfterOneScreenTurnTheScreenOff) {
    SettingsBlock block = Defaults();
    ASSERT_TRUE(ChangeSetting(block, Words{"wheel", "page"}).ok());
    ASSERT_TRUE(ChangeSetting(block, Words{"wheel", "7"}).ok());
    EXPECT_EQ(block.byte(block::kWheelScrollsScreen), 0);
    EXPECT_EQ(block.byte(block::kWheelScrollLines), 7);
}

TEST(SettingChangeTest, RefusesBadWordsNamingTheProblemAndKeepsTheBlock) {
    struct Case {
        Words words;
        const char* named;  // what the message must mention
    };
    const std::vector<Case> cases = {
        {{}, "setting"},
        {{"volume", "3"}, "\"volume\" is not a setting"},
        {{"button", "1", "Click"}, "\"button\" is not a setting"},
        {{"dpi", "0", "800"}, "stage"},
        {{"dpi", "7", "800"}, "stage"},
        {{"dpi", "1", "5100"}, "5100"},
        {{"dpi", "1", "50"}, "50"},
        {{"dpi", "1", "6200"}, "6200"},
        {{"dpi", "1", "850"}, "850"},
        {{"dpi", "1", "-800"}, "-800"},
        {{"dpi", "1", "800x"}, "800x"},
        {{"dpi", "1"}, "STAGE DPI"},
        {{"dpi", "1", "800", "900"}, "STAGE DPI"},
        {{"stage", "2", "yes"}, "on or off"},
        {{"stage", "x", "on"}, "stage"},
        {{"colour", "1", "#12345"}, "RRGGBB"},
        {{"colour", "1", "12345G"}, "RRGGBB"},
        {{"colour", "1", "##123456"}, "RRGGBB"},
        {{"lighting", "rainbow"}, "rainbow"},
        {{"lighting", "neon", "0"}, "level"},
        {{"lighting", "neon", "7"}, "level"},
        {{"lighting"}, "standard|breathing|neon"},
        {{"rate", "300"}, "300"},
        {{"rate", "0"}, "125, 250, 500 or 1000"},
        {{"sensitivity", "0", "5"}, "X"},
        {{"sensitivity", "5", "12"}, "Y"},
        {{"sensitivity", "5"}, "X Y"},
        {{"pointer-speed", "12"}, "1..11"},
        {{"pointer-speed", ""}, "1..11"},
        {{"double-click", "0"}, "1..11"},
        {{"double-click", "99999999999"}, "1..11"},
        {{"wheel", "0"}, "1..100"},
        {{"wheel", "101"}, "1..100"},
        {{"wheel", "screen"}, "page"},
        {{"precision", "1"}, "on or off"},
    };
    for (const Case& c : cases) {
        SettingsBlock block = Defaults();
        const SettingsBlock before = block;
        const Status status = ChangeSetting(block, c.words);
        const std::string shown = c.words.empty() ? "(nothing)" : c.words[0];
        ASSERT_FALSE(status.ok()) << shown;
        EXPECT_NE(status.message().find(c.named), std::string::npos)
            << shown << ": " << status.message();
        EXPECT_EQ(status.message().find('\n'), std::string::npos) << "one line";
        EXPECT_TRUE(block == before) << shown;
    }
}

}  // namespace
}  // namespace gx508
