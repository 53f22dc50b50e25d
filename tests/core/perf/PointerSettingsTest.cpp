// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/perf/PointerSettings.h"

#include <gtest/gtest.h>

#include <vector>

namespace gx508 {
namespace {
TEST(PointerSettingsTest, TheFourValuesAreWrittenInOrder) {
    SettingsBlock b;
    b.setByte(block::kEnhancePrecision, 255);
    b.setByte(block::kPointerSpeed, 1);
    b.setByte(block::kWheelScrollLines, 7);
    b.setByte(block::kDoubleClickSpeed, 6);
    RecordingPointerBackend backend;
    NullLog log;
    ApplyPointerSettings(b, backend, log);
    EXPECT_EQ(backend.calls(), (std::vector<std::string>{"precision off", "speed 1", "wheel 7",
                                                         "double-click 550"}));

    struct Case {
        std::uint8_t speed;
        int desktop;
    };
    for (const Case& c : std::vector<Case>{{1, 1}, {2, 2}, {6, 10}, {11, 20}}) {
        b.setByte(block::kPointerSpeed, c.speed);
        EXPECT_EQ(PointerValuesOf(b).pointerSpeed, c.desktop);
    }
    b.setByte(block::kWheelScrollsScreen, 1);
    b.setByte(block::kEnhancePrecision, 1);
    b.setByte(block::kDoubleClickSpeed, 11);
    const PointerValues v = PointerValuesOf(b);
    EXPECT_TRUE(v.wheelScrollsPage);
    EXPECT_TRUE(v.enhancePrecision);
    EXPECT_EQ(v.doubleClickMs, 200);
}

TEST(PointerSettingsTest, ADamagedBlockGivesTheDesktopOnlyValuesThePagesCanSet) {
    struct Case {
        std::uint8_t stored;
        int speed;
        int lines;
        int doubleClickMs;
    };
    for (const Case& c : std::vector<Case>{
             {0, 1, 1, 900}, {12, 20, 12, 200}, {101, 20, 100, 200}, {255, 20, 100, 200}}) {
        SettingsBlock b;
        b.setByte(block::kPointerSpeed, c.stored);
        b.setByte(block::kWheelScrollLines, c.stored);
        b.setByte(block::kDoubleClickSpeed, c.stored);
        const PointerValues v = PointerValuesOf(b);
        EXPECT_EQ(v.pointerSpeed, c.speed) << int(c.stored);
        EXPECT_EQ(v.wheelScrollLines, c.lines) << int(c.stored);
        EXPECT_EQ(v.doubleClickMs, c.doubleClickMs) << int(c.stored);
    }
}

class RefusingBackend final : public PointerBackend {
  public:
    bool SetPrecision(bool) override { return false; }
    bool SetSpeed(int) override { return true; }
    bool SetWheel(bool, int) override { return false; }
    bool SetDoubleClickTime(int) override { return false; }
};

TEST(PointerSettingsTest, RefusedSettingsAreLoggedAndTheRestStillGo) {
    SettingsBlock b;
    RefusingBackend backend;
    RecordingLog log;
    ApplyPointerSettings(b, backend, log);
    EXPECT_EQ(log.lines(),
              (std::vector<std::string>{"SETMOUSE failed.\n", "SETWHEELSCROLLLINES failed.\n",
                                        "SPI_SETDOUBLECLICKTIME failed.\n"}));
}

}  // namespace
}  // namespace gx508
