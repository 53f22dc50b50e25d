// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/device/MouseNodeTracker.h"

#include <gtest/gtest.h>

#include <vector>

namespace gx508 {
namespace {

constexpr const char* kMouseId = "0003:000004D9:0000A165";
constexpr const char* kOtherId = "0003:0000046D:0000C077";

TEST(MouseNodeTrackerTest, RecognisesTheMouseHidIdOnTheUsbBusOnly) {
    struct Case {
        const char* hidId;
        bool isMouse;
    };
    const std::vector<Case> cases = {
        {"0003:000004D9:0000A165", true},
        {"0003:000004d9:0000a165", true},
        {"0005:000004D9:0000A165", false},   // Bluetooth
        {"0003:000004D9:0000A166", false},   // another product
        {"0003:000014D9:0000A165", false},   // another vendor
        {"0003:04D9:A165", false},           // kernel-name form, not HID_ID
        {"0003:000004D9:0000A165:", false},  // trailing field
        {"0003:0x0004D9:0000A165", false},
        {"0003:-00004D9:0000A165", false},
        {"", false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(IsMouseHidId(c.hidId), c.isMouse) << c.hidId;
    }
}

TEST(MouseNodeTrackerTest, TranslatesUdevEvents) {
    MouseNodeTracker tracker;
    EXPECT_EQ(tracker.OnUevent("add", "/dev/hidraw1", kMouseId),
              (HotplugEvent{HotplugAction::Arrived, "/dev/hidraw1", true}));
    EXPECT_EQ(tracker.OnUevent("add", "/dev/hidraw2", kOtherId),
              (HotplugEvent{HotplugAction::Arrived, "/dev/hidraw2", false}));
    EXPECT_EQ(tracker.OnUevent("change", "/dev/hidraw1", kMouseId), std::nullopt);
    EXPECT_EQ(tracker.OnUevent("bind", "/dev/hidraw1", kMouseId), std::nullopt);
    EXPECT_EQ(tracker.OnUevent("add", "", kMouseId), std::nullopt);
}

TEST(MouseNodeTrackerTest, RecognisesARemovalByTheRememberedNodeOnceTheParentIsGone) {
    MouseNodeTracker tracker;
    tracker.NotePresent("/dev/hidraw4", kMouseId);  // present when watching started
    tracker.OnUevent("add", "/dev/hidraw5", kMouseId);
    tracker.OnUevent("add", "/dev/hidraw6", kOtherId);

    EXPECT_EQ(tracker.OnUevent("remove", "/dev/hidraw4", ""),
              (HotplugEvent{HotplugAction::Removed, "/dev/hidraw4", true}));
    EXPECT_EQ(tracker.OnUevent("remove", "/dev/hidraw5", ""),
              (HotplugEvent{HotplugAction::Removed, "/dev/hidraw5", true}));
    EXPECT_EQ(tracker.OnUevent("remove", "/dev/hidraw6", ""),
              (HotplugEvent{HotplugAction::Removed, "/dev/hidraw6", false}));
    // Unknown node whose parent could still be read.
    EXPECT_EQ(tracker.OnUevent("remove", "/dev/hidraw7", kMouseId),
              (HotplugEvent{HotplugAction::Removed, "/dev/hidraw7", true}));
    // A node is forgotten once removed.
    EXPECT_FALSE(tracker.Knows("/dev/hidraw4"));
    EXPECT_EQ(tracker.OnUevent("remove", "/dev/hidraw4", ""),
              (HotplugEvent{HotplugAction::Removed, "/dev/hidraw4", false}));
}

TEST(MouseNodeTrackerTest, AReusedNodeNumberBelongsToItsNewDevice) {
    MouseNodeTracker tracker;
    tracker.NotePresent("/dev/hidraw0", kMouseId);
    // The removal was missed (monitor overrun); the number now names another device.
    tracker.OnUevent("add", "/dev/hidraw0", kOtherId);
    EXPECT_FALSE(tracker.Knows("/dev/hidraw0"));
    EXPECT_EQ(tracker.OnUevent("remove", "/dev/hidraw0", ""),
              (HotplugEvent{HotplugAction::Removed, "/dev/hidraw0", false}));
}

}  // namespace
}  // namespace gx508
