// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/HidapiBackend.h"

#include <sys/stat.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "core/device/DeviceIds.h"
#include "support/OrdinaryUser.h"
#include "support/ReportDescriptors.h"
#include "support/TempFolder.h"

namespace gx508 {
namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

std::string Describe(const std::vector<HidInterfaceInfo>& list) {
    std::string out;
    for (const HidInterfaceInfo& i : list) {
        char line[160];
        std::snprintf(line, sizeof line, "%s %04X:%04X %04X/%04X in %u out %u feature %u\n",
                      i.path.c_str(), i.vendorId, i.productId, i.usagePage, i.usage,
                      i.inputReportLength, i.outputReportLength, i.featureReportLength);
        out += line;
    }
    return out;
}

bool Logged(const RecordingLog& log, const std::string& part) {
    for (const std::string& line : log.lines()) {
        if (line.find(part) != std::string::npos) {
            return true;
        }
    }
    return false;
}

class FakeSysfs {
  public:
    void Put(const std::string& node, const Bytes& descriptor) const {
        const fs::path device = m_root / "class" / "hidraw" / node / "device";
        fs::create_directories(device);
        test::WriteBytes(device / "report_descriptor", descriptor);
    }
    const fs::path& root() const { return m_root.path(); }

  private:
    test::TempFolder m_root;
};

TEST(HidapiBackendTest, ListsEachTopLevelCollectionOnceWithLengthsFromSysfs) {
    FakeSysfs sysfs;
    Bytes truncated = test::CommandInterfaceDescriptor();
    truncated.resize(26);  // cut inside the Report Count before the output report
    sysfs.Put("hidraw0", test::BootMouseDescriptor());
    sysfs.Put("hidraw1", test::CommandInterfaceDescriptor());
    sysfs.Put("hidraw2", test::NoticeInterfaceDescriptor());
    sysfs.Put("hidraw5", truncated);
    // hidraw4 has no descriptor in sysfs.

    const std::uint16_t v = kMouseVendorId;
    const std::uint16_t p = kMouseProductId;
    // hidapi lists a node once per collection that carries a usage, nested ones included.
    const std::vector<HidrawEntry> entries = {
        {"/dev/hidraw0", v, p, 0x0001, 0x0002}, {"/dev/hidraw0", v, p, 0x0001, 0x0001},
        {"/dev/hidraw1", v, p, 0xFF00, 0xFF00}, {"/dev/hidraw2", v, p, 0xFF01, 0xFF01},
        {"/dev/hidraw4", v, p, 0xFF00, 0xFF00}, {"/dev/hidraw4", v, p, 0xFF00, 0x0001},
        {"/dev/hidraw4", v, p, 0xFF00, 0xFF00}, {"/dev/hidraw5", v, p, 0xFF00, 0xFF00},
        {"/dev/hidraw1", v, p, 0xFF00, 0xFF00},
    };
    RecordingLog log;
    const HidapiBackend backend(log, sysfs.root());

    const std::vector<HidInterfaceInfo> expected = {
        {"/dev/hidraw0", v, p, 0x0001, 0x0002, 4, 0, 0},
        {"/dev/hidraw1", v, p, 0xFF00, 0xFF00, 9, 33, 9},
        {"/dev/hidraw2", v, p, 0xFF01, 0xFF01, 9, 0, 0},
        {"/dev/hidraw4", v, p, 0xFF00, 0xFF00, 0, 0, 0},
        {"/dev/hidraw4", v, p, 0xFF00, 0x0001, 0, 0, 0},
        {"/dev/hidraw5", v, p, 0xFF00, 0xFF00, 9, 0, 9},
    };
    EXPECT_EQ(Describe(backend.DescribeCollections(entries)), Describe(expected));
    EXPECT_TRUE(Logged(log, "hidraw4/device/report_descriptor"));
    EXPECT_TRUE(Logged(log, "/dev/hidraw5 is damaged"));
}

TEST(HidapiBackendTest, ANodeWithTwoTopLevelCollectionsGivesTwoInterfaces) {
    FakeSysfs sysfs;
    Bytes both = test::CommandInterfaceDescriptor();
    const Bytes notice = test::NoticeInterfaceDescriptor();
    both.insert(both.end(), notice.begin(), notice.end());
    sysfs.Put("hidraw3", both);
    NullLog log;
    const HidapiBackend backend(log, sysfs.root());

    const std::vector<HidrawEntry> entries = {
        {"/dev/hidraw3", kMouseVendorId, kMouseProductId, 0xFF00, 0xFF00},
        {"/dev/hidraw3", kMouseVendorId, kMouseProductId, 0xFF01, 0xFF01},
    };
    const std::vector<HidInterfaceInfo> expected = {
        {"/dev/hidraw3", kMouseVendorId, kMouseProductId, 0xFF00, 0xFF00, 9, 33, 9},
        {"/dev/hidraw3", kMouseVendorId, kMouseProductId, 0xFF01, 0xFF01, 9, 0, 0},
    };
    EXPECT_EQ(Describe(backend.DescribeCollections(entries)), Describe(expected));
}

TEST(HidapiBackendTest, OpenSaysWhyAPathIsNoOpenableNode) {
    test::TempFolder folder;
    const fs::path plainFile = folder / "plain-file";
    const fs::path fifo = folder / "fifo";
    test::WriteText(plainFile, "not a device");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);

    struct Case {
        std::string path;
        bool notFound;
    };
    // A regular file, a FIFO and /dev/null must not reach hidapi, which mishandles them.
    const std::vector<Case> cases = {
        {(folder / "hidraw9").string(), true},
        {folder.path().string(), false},
        {plainFile.string(), false},
        {fifo.string(), false},
        {"/dev/null", false},
    };
    RecordingLog log;
    HidapiBackend backend(log);
    for (const Case& c : cases) {
        const Result<std::unique_ptr<HidDevice>> opened = backend.Open(c.path);
        ASSERT_FALSE(opened.ok()) << c.path;
        EXPECT_EQ(IsNotFoundCode(opened.code()), c.notFound) << c.path;
        EXPECT_FALSE(IsAccessDeniedCode(opened.code())) << c.path;
        EXPECT_NE(opened.message().find(c.path), std::string::npos) << opened.message();
        EXPECT_TRUE(Logged(log, c.path)) << c.path;
    }
}

TEST(HidapiBackendTest, ANodeTheUserMayNotOpenIsPermissionDeniedAndFlagsTheMouse) {
    test::TempFolder folder;
    const fs::path locked = folder / "hidraw1";
    const fs::path readable = folder / "hidraw2";
    test::WriteText(locked, "");
    test::WriteText(readable, "");
    // The ordinary user must reach the folder to tell a locked node from a missing one.
    fs::permissions(folder.path(), fs::perms::owner_all | fs::perms::group_read |
                                       fs::perms::group_exec | fs::perms::others_read |
                                       fs::perms::others_exec);
    fs::permissions(locked, fs::perms::none);
    fs::permissions(readable, fs::perms::owner_all | fs::perms::group_all | fs::perms::others_read |
                                  fs::perms::others_write);

    const auto command = [](const fs::path& node, std::uint16_t vendor = kMouseVendorId) {
        return HidInterfaceInfo{
            node.string(), vendor, kMouseProductId, kCommandUsagePage, kCommandUsage, 9, 33, 9};
    };
    HidInterfaceInfo lockedKeyboard = command(locked);
    lockedKeyboard.usagePage = 0x0001;
    lockedKeyboard.usage = 0x0006;

    const int result = test::RunAsOrdinaryUser([&] {
        NullLog log;
        HidapiBackend backend(log);
        const Result<std::unique_ptr<HidDevice>> open = backend.Open(locked.string());
        const bool opened = open.ok();
        const int error = opened ? 0 : open.code();
        const bool ok = !opened && IsAccessDeniedCode(error) &&
                        MousePresentButInaccessible({command(readable), command(locked)}) &&
                        !MousePresentButInaccessible({command(readable)}) &&
                        !MousePresentButInaccessible({command(folder / "gone")}) &&
                        !MousePresentButInaccessible({lockedKeyboard}) &&
                        !MousePresentButInaccessible({command(locked, 0x046D)}) &&
                        !MousePresentButInaccessible({});
        if (!ok) {
            std::fprintf(stderr, "opened %d, error %d\n", opened, error);
        }
        return ok;
    });
    if (result < 0) {
        GTEST_SKIP() << "cannot run as an ordinary user here";
    }
    EXPECT_EQ(result, 0);
}

TEST(HidapiBackendTest, EnumerateListsOnlyTheMouse) {
    NullLog log;
    HidapiBackend backend(log);
    const Result<std::vector<HidInterfaceInfo>> list = backend.Enumerate();
    ASSERT_TRUE(list.ok()) << list.message();
    for (const HidInterfaceInfo& info : *list) {
        EXPECT_EQ(info.vendorId, kMouseVendorId) << info.path;
        EXPECT_EQ(info.productId, kMouseProductId) << info.path;
    }
}

}  // namespace
}  // namespace gx508
