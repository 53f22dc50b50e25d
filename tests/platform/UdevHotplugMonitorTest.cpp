// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/UdevHotplugMonitor.h"

#include <fcntl.h>

#include <gtest/gtest.h>

namespace gx508 {
namespace {

TEST(UdevHotplugMonitorTest, StartsWithANonBlockingDescriptor) {
    RecordingLog log;
    Result<std::unique_ptr<UdevHotplugMonitor>> created = UdevHotplugMonitor::Create(log);
    if (!created) {
        GTEST_SKIP() << "udev events are not available here: " << created.message();
    }
    const std::unique_ptr<UdevHotplugMonitor> monitor = std::move(*created);
    ASSERT_NE(monitor, nullptr);
    ASSERT_GE(monitor->fd(), 0);
    // readEvents drains the socket until it is empty, which must not block.
    const int flags = ::fcntl(monitor->fd(), F_GETFL);
    ASSERT_NE(flags, -1);
    EXPECT_NE(flags & O_NONBLOCK, 0);
    for (const HotplugEvent& event : monitor->readEvents()) {
        EXPECT_FALSE(event.devnode.empty());
    }
}

}  // namespace
}  // namespace gx508
