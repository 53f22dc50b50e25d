// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/device/StatusNotice.h"

#include <gtest/gtest.h>

namespace gx508 {
namespace {

struct NoticeCase {
    std::uint8_t kind;
    std::uint8_t value;
    const char* code;
    std::optional<Balloon> expected;
};

SettingsBlock SavedStages() {
    SettingsBlock saved;
    const std::uint8_t indices[] = {3, 7, 15, 31, 49, 54};  // 400 800 1600 3200 5000 6000
    for (int stage = 0; stage < 6; ++stage) {
        saved.setDpiIndex(stage, indices[stage]);
    }
    saved.setByte(block::kReserved20, 11);  // read by value 7: 1200
    return saved;
}

TEST(StatusNoticeTest, BalloonForEveryKindAndValue) {
    const Balloon info5s{"Info", "", kNoticeBalloonMs};
    auto info = [&](std::string text) {
        Balloon b = info5s;
        b.text = std::move(text);
        return std::optional<Balloon>(b);
    };
    const NoticeCase cases[] = {
        {1, 1, "EN", info("Switch DPI into the first stage 400")},
        {2, 3, "EN", info("Switch DPI into the third stage 1600")},
        {3, 6, "EN", info("Switch DPI into the sixth stage 6000")},
        {2, 7, "EN", info("Switch DPI into the seven stage 1200")},
        {2, 3, "CHS", info("DPI切换到第三段 1600")},
        {1, 0, "EN", std::nullopt},
        {3, 8, "EN", std::nullopt},
        {9, 12, "EN", info("Switch to macro key12")},
        {9, 1, "CHS", info("切换到宏1")},
        {9, 0, "EN", std::nullopt},
        {14, 0, "EN", Balloon{"Info", "The system detect GX508 gaming mouse.", 100}},
        {14, 9, "CHS", Balloon{"Info", "系统检测到游戏鼠标GX508。", 100}},
        {15, 0, "EN", Balloon{"Warning", "The system did not detect GX508 gaming mouse!", 100}},
        {15, 0, "CHS", Balloon{"Warning", "系统没有检测到游戏鼠标GX508！", 100}},
        // An unknown code leaves the table's texts empty; the titles stay.
        {2, 3, "chs", info("1600")},
        {14, 0, "chs", Balloon{"Info", "", 100}},
        {15, 0, "chs", Balloon{"Warning", "", 100}},
        {0, 1, "EN", std::nullopt},
        {4, 1, "EN", std::nullopt},
        {255, 255, "EN", std::nullopt},
    };
    const SettingsBlock saved = SavedStages();
    for (const NoticeCase& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << "kind " << int{c.kind} << " value " << int{c.value} << " " << c.code);
        EXPECT_EQ(StatusNoticeBalloon(LanguageTable::For(c.code), saved, {c.kind, c.value}),
                  c.expected);
    }
}

TEST(StatusNoticeTest, StageWithoutValidIndexShowsTheTextAlone) {
    SettingsBlock saved;
    saved.setDpiIndex(1, 200);
    const auto balloon = StatusNoticeBalloon(LanguageTable::For("EN"), saved, {1, 2});
    ASSERT_TRUE(balloon);
    EXPECT_EQ(balloon->text, "Switch DPI into the second stage ");
}

}  // namespace
}  // namespace gx508
