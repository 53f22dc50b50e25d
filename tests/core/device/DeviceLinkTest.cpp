// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/device/DeviceLink.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <vector>

#include "core/device/Connection.h"
#include "core/device/VirtualMouse.h"
#include "support/TempFolder.h"

namespace gx508 {
namespace {

// Collects notices from the reader thread and lets the test wait for them.
class NoticeInbox {
  public:
    DeviceLink::NoticeHandler handler() {
        return [this](DeviceNotice n) {
            std::lock_guard lock(m_mutex);
            m_notices.push_back(n);
            m_arrived.notify_all();
        };
    }
    // Waits until `count` notices arrived (or a generous limit passed) and returns them.
    std::vector<DeviceNotice> waitFor(std::size_t count) {
        std::unique_lock lock(m_mutex);
        m_arrived.wait_for(lock, std::chrono::seconds(10),
                           [&] { return m_notices.size() >= count; });
        return m_notices;
    }

  private:
    std::mutex m_mutex;
    std::condition_variable m_arrived;
    std::vector<DeviceNotice> m_notices;
};

class DeviceLinkTest : public ::testing::Test {
  protected:
    VirtualMouse mouse;
    RecordingLog log;
    DeviceLink link{mouse, log};
};

TEST_F(DeviceLinkTest, FindsBothCollectionsWhenTheNoticeCollectionComesFirst) {
    ASSERT_TRUE(link.FindMouse());
    EXPECT_TRUE(link.connected());
    EXPECT_TRUE(link.readerOpen());
    EXPECT_EQ(link.devicePath(), VirtualMouse::kCommandPath);
    EXPECT_EQ(link.featureReportLength(), 9);
    EXPECT_EQ(link.noticeInputLength(), VirtualMouse::kNoticeInputLength);
    EXPECT_EQ(log.lines().front(), "Find our hid device.Success\n");
    EXPECT_EQ(log.lines().back(),
              "DevicePath:virtual:gx508/command,\nUsage:0xff00\n, UsagePage:0xff00\n,"
              "FeatureReportByteLength:0x0009\n,InputReportByteLength:0x9\n,"
              "OutputReportByteLength:0x21\n");
}

TEST_F(DeviceLinkTest, TheSearchStopsAtTheCommandCollection) {
    mouse.setCommandCollectionFirst(true);
    ASSERT_TRUE(link.FindMouse());
    EXPECT_TRUE(link.connected());
    EXPECT_FALSE(link.readerOpen());
}

TEST_F(DeviceLinkTest, FaultsLeaveTheMouseNotFound) {
    struct Case {
        const char* name;
        void (*fault)(VirtualMouse&);
        int openError;  // 0: nothing failed to open
    };
    const std::vector<Case> cases = {
        {"open fails", [](VirtualMouse& m) { m.setOpenFails(true); }, EIO},
        {"no access", [](VirtualMouse& m) { m.setOpenDenied(true); }, EACCES},
        {"unplugged", [](VirtualMouse& m) { m.unplug(); }, 0},
        {"wrong feature length", [](VirtualMouse& m) { m.setFeatureReportLength(8); }, 0},
    };
    for (const Case& c : cases) {
        VirtualMouse faulty;
        c.fault(faulty);
        DeviceLink other(faulty, log);
        EXPECT_FALSE(other.FindMouse()) << c.name;
        EXPECT_FALSE(other.connected()) << c.name;
        EXPECT_EQ(other.lastOpen().ok(), c.openError == 0) << c.name;
        EXPECT_EQ(other.lastOpen().code(), c.openError) << c.name;
        EXPECT_EQ(IsAccessDeniedCode(other.lastOpen().code()), c.openError == EACCES) << c.name;
    }
}

TEST_F(DeviceLinkTest, WithTwoMiceTheFirstOneIsUsed) {
    mouse.setSecondMouse(true);
    ASSERT_TRUE(link.FindMouse());
    EXPECT_EQ(link.devicePath(), VirtualMouse::kCommandPath);
}

TEST_F(DeviceLinkTest, TheReaderDeliversNoticesAndDropsEverythingElse) {
    NoticeInbox inbox;
    ASSERT_TRUE(link.FindMouse());
    link.StartReader(inbox.handler());
    mouse.sendInputReport({0x05, 0x07, 0x01, 0x03});
    mouse.sendInputReport({0x06, 0x07, 0x01});
    mouse.sendInputReport({});
    mouse.sendNotice(9, 2);
    mouse.sendNotice(1, 3);
    EXPECT_EQ(inbox.waitFor(2), (std::vector<DeviceNotice>{{9, 2}, {1, 3}}));
}

TEST_F(DeviceLinkTest, TheReaderSurvivesAnUnplugAndReadsAgainAfterTheNextArrival) {
    NoticeInbox inbox;
    test::TempFolder folder;
    SharedState state(folder.path(), log);
    RecordingPacer pacer;
    ASSERT_TRUE(link.FindMouse());
    link.StartReader(inbox.handler());
    mouse.sendNotice(1, 1);
    ASSERT_EQ(inbox.waitFor(1).size(), 1u);

    mouse.unplug();
    EXPECT_FALSE(HandleRemoval(link, log));
    EXPECT_FALSE(link.connected());
    EXPECT_EQ(log.lines().back(), "The system did not detect the gaming mouse.");

    mouse.replug();
    mouse.setProfileByte(3);
    ASSERT_TRUE(HandleArrival(link, state, pacer));
    EXPECT_EQ(state.block.byte(block::kProfileIndex), 3) << "no settings file replaces it";
    EXPECT_EQ(state.device[devicebuf::kProfileReply], 3);
    mouse.sendNotice(2, 4);
    EXPECT_EQ(inbox.waitFor(2).back(), (DeviceNotice{2, 4}));
    link.StopReader();
}

TEST_F(DeviceLinkTest, ARemovalWhileTheCommandCollectionStaysChangesNothing) {
    ASSERT_TRUE(link.FindMouse());
    log.clear();
    EXPECT_TRUE(HandleRemoval(link, log));
    EXPECT_TRUE(link.connected());
    for (const std::string& line : log.lines()) {
        EXPECT_EQ(line.find("did not detect"), std::string::npos);
    }
}

TEST_F(DeviceLinkTest, StartupReadsTheFirmwareVersionAndOptionBytes) {
    test::TempFolder folder;
    SharedState state(folder.path(), log);
    state.device.fill(0x77);
    RecordingPacer pacer;
    mouse.setOptionBytes({0x0A, 0x0B, 0x0C});
    ASSERT_TRUE(ConnectAtStartup(link, state, pacer));
    EXPECT_EQ(state.device[1], 0x0A);
    EXPECT_EQ(state.device[3], 0x0C);
    EXPECT_EQ(state.device[100], 0) << "the device buffer is cleared when the mouse is found";
    EXPECT_EQ(pacer.pauses(), (std::vector<int>{10, 10}));
    const auto& lines = log.lines();
    EXPECT_NE(std::find(lines.begin(), lines.end(), "FW version:00-01\n"), lines.end());
    EXPECT_NE(std::find(lines.begin(), lines.end(),
                        "GetFunctionOption\tRead function option:Buffer[0]83\xEF\xBC\x8C"
                        "Buffer[1]0a\xEF\xBC\x8C"
                        "Buffer[2]0b\xEF\xBC\x8C"
                        "Buffer[3]0c\xEF\xBC\x8C"
                        "Buffer[4]00\n"),
              lines.end());
}

}  // namespace
}  // namespace gx508
