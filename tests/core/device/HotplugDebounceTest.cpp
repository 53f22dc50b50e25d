// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/device/HotplugDebounce.h"

#include <gtest/gtest.h>

namespace gx508 {
namespace {

HotplugEvent Mouse(HotplugAction action, const char* node = "/dev/hidraw1") {
    return {action, node, true};
}

TEST(HotplugDebounceTest, InterfacesArrivingOneAfterTheOtherGiveOneArrival) {
    HotplugDebounce debounce(300, 2000);
    debounce.Add(Mouse(HotplugAction::Arrived, "/dev/hidraw1"), 1000);
    debounce.Add(Mouse(HotplugAction::Arrived, "/dev/hidraw2"), 1120);
    debounce.Add(Mouse(HotplugAction::Arrived, "/dev/hidraw3"), 1250);

    EXPECT_EQ(debounce.MsUntilDue(1250), 300);
    EXPECT_EQ(debounce.Take(1549), std::nullopt);
    EXPECT_EQ(debounce.MsUntilDue(1549), 1);
    EXPECT_EQ(debounce.Take(1550), HotplugAction::Arrived);
    // Handed out once.
    EXPECT_EQ(debounce.Take(5000), std::nullopt);
    EXPECT_EQ(debounce.MsUntilDue(5000), std::nullopt);
}

TEST(HotplugDebounceTest, TheLastEventOfABurstDecides) {
    struct Case {
        const char* name;
        std::vector<HotplugAction> burst;
        HotplugAction settled;
    };
    using enum HotplugAction;
    const std::vector<Case> cases = {
        {"unplug", {Removed, Removed}, Removed},
        {"quick replug", {Removed, Removed, Arrived, Arrived}, Arrived},
        {"plugged and pulled at once", {Arrived, Removed}, Removed},
    };
    for (const Case& c : cases) {
        HotplugDebounce debounce(300, 2000);
        std::int64_t now = 0;
        for (HotplugAction action : c.burst) {
            debounce.Add(Mouse(action), now);
            now += 50;
        }
        EXPECT_EQ(debounce.Take(now + 300), c.settled) << c.name;
    }
}

TEST(HotplugDebounceTest, OtherDevicesNeitherStartNorProlongABurst) {
    HotplugDebounce debounce(300, 2000);
    debounce.Add({HotplugAction::Arrived, "/dev/hidraw9", false}, 0);
    EXPECT_EQ(debounce.MsUntilDue(0), std::nullopt);

    debounce.Add(Mouse(HotplugAction::Arrived), 100);
    debounce.Add({HotplugAction::Removed, "/dev/hidraw9", false}, 350);
    EXPECT_EQ(debounce.Take(400), HotplugAction::Arrived);
}

TEST(HotplugDebounceTest, ABurstThatNeverQuietensIsHandedOutAfterTheLongestDelay) {
    HotplugDebounce debounce(300, 2000);
    std::int64_t now = 10000;
    for (; now < 10000 + 2000; now += 100) {
        debounce.Add(Mouse(HotplugAction::Arrived), now);
        EXPECT_EQ(debounce.Take(now), std::nullopt) << now;
    }
    EXPECT_EQ(debounce.MsUntilDue(now), 0);
    EXPECT_EQ(debounce.Take(now), HotplugAction::Arrived);
}

TEST(HotplugDebounceTest, ANewBurstIsTimedFromItsOwnFirstEvent) {
    HotplugDebounce debounce(300, 2000);
    debounce.Add(Mouse(HotplugAction::Arrived), 0);
    ASSERT_EQ(debounce.Take(300), HotplugAction::Arrived);

    debounce.Add(Mouse(HotplugAction::Removed), 60000);
    EXPECT_EQ(debounce.MsUntilDue(60000), 300);
    EXPECT_EQ(debounce.Take(60299), std::nullopt);
    EXPECT_EQ(debounce.Take(60300), HotplugAction::Removed);
}

}  // namespace
}  // namespace gx508
