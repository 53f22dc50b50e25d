// SPDX-License-Identifier: GPL-3.0-or-later
// The files that tie the installed program into the desktop (the desktop entry, the metainfo
// file, the udev rule) name the program and the mouse as the code does.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "core/device/DeviceIds.h"
#include "platform/AutostartEntry.h"
#include "platform/HidapiBackend.h"
#include "support/TempFolder.h"

namespace gx508 {
namespace {

namespace fs = std::filesystem;

const fs::path kData = fs::path(GX508_SOURCE_DIR) / "data";

std::string ReadText(const fs::path& path) {
    const auto bytes = test::ReadBytes(path);
    return {bytes.begin(), bytes.end()};
}

std::string Hex4(std::uint16_t value, const char* format) {
    char text[8];
    std::snprintf(text, sizeof text, format, static_cast<unsigned>(value));
    return text;
}

TEST(DesktopFilesTest, TheMetainfoNamesTheProgramAndTheMouse) {
    const std::string id(ApplicationId());
    const std::string metainfo = ReadText(kData / (id + ".metainfo.xml"));
    ASSERT_FALSE(metainfo.empty());
    EXPECT_NE(metainfo.find("<id>" + id + "</id>"), std::string::npos);
    EXPECT_NE(metainfo.find("<launchable type=\"desktop-id\">" + id + ".desktop</launchable>"),
              std::string::npos);
    EXPECT_TRUE(fs::is_regular_file(kData / (id + ".desktop")));
    const std::string modalias = "<modalias>usb:v" + Hex4(kMouseVendorId, "%04X") + "p" +
                                 Hex4(kMouseProductId, "%04X") + "d*</modalias>";
    EXPECT_NE(metainfo.find(modalias), std::string::npos) << modalias;
    EXPECT_NE(metainfo.find("<content_rating type=\"oars-1.1\"/>"), std::string::npos);
    EXPECT_NE(metainfo.find("<screenshot type=\"default\">"), std::string::npos);
}

TEST(DesktopFilesTest, TheUdevRuleMatchesTheMouseByBothItsNames) {
    const std::string rule = ReadText(kData / kUdevRuleName);
    ASSERT_FALSE(rule.empty());
    const std::string kernel = "KERNELS==\"0003:" + Hex4(kMouseVendorId, "%04X") + ":" +
                               Hex4(kMouseProductId, "%04X") + ".*\", TAG+=\"uaccess\"";
    const std::string usb = "ATTRS{idVendor}==\"" + Hex4(kMouseVendorId, "%04x") +
                            "\", ATTRS{idProduct}==\"" + Hex4(kMouseProductId, "%04x") +
                            "\", TAG+=\"uaccess\"";
    EXPECT_NE(rule.find(kernel), std::string::npos) << kernel;
    EXPECT_NE(rule.find(usb), std::string::npos) << usb;
    EXPECT_EQ(rule.find("MODE="), std::string::npos) << "no node is made world-writable";
}

}  // namespace
}  // namespace gx508
