// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/DesktopPointer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace gx508 {
namespace {

TEST(DesktopPointerTest, TheRunningDesktopPicksTheBackend) {
    struct Case {
        std::string currentDesktop;
        std::string sessionType;
        bool hasDisplay;
        DesktopPointerKind kind;
    };
    const std::vector<Case> cases = {
        {"GNOME", "wayland", true, DesktopPointerKind::GSettings},
        {"ubuntu:GNOME", "x11", true, DesktopPointerKind::GSettings},
        {"GNOME-Flashback:GNOME", "x11", true, DesktopPointerKind::GSettings},
        {"Budgie:GNOME", "x11", true, DesktopPointerKind::GSettings},
        {"Pantheon", "wayland", false, DesktopPointerKind::GSettings},
        {"Unity", "x11", true, DesktopPointerKind::GSettings},
        {"KDE", "wayland", true, DesktopPointerKind::Kde},
        {"KDE", "x11", false, DesktopPointerKind::Kde},
        {"X-Cinnamon", "x11", true, DesktopPointerKind::X11},
        {"XFCE", "x11", true, DesktopPointerKind::X11},
        {"MATE", "", true, DesktopPointerKind::X11},
        {"", "", true, DesktopPointerKind::X11},
        {"sway", "wayland", true, DesktopPointerKind::None},
        {"XFCE", "x11", false, DesktopPointerKind::None},
        {"", "", false, DesktopPointerKind::None},
        // Names are compared whole and exactly, and the first known one wins.
        {"gnome", "x11", true, DesktopPointerKind::X11},
        {"GNOMEish", "x11", true, DesktopPointerKind::X11},
        {"ubuntu::KDE", "x11", true, DesktopPointerKind::Kde},
        {"KDE:GNOME", "x11", true, DesktopPointerKind::Kde},
        {"GNOME:KDE", "x11", true, DesktopPointerKind::GSettings},
        {"XFCE:", "x11", true, DesktopPointerKind::X11},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ChooseDesktopPointer(c.currentDesktop, c.sessionType, c.hasDisplay), c.kind)
            << "XDG_CURRENT_DESKTOP=" << c.currentDesktop << " XDG_SESSION_TYPE=" << c.sessionType
            << " display " << c.hasDisplay;
    }
}

TEST(DesktopPointerTest, TheDefaultSpeedKeepsTheDesktopDefaultAndTheEndsStayInRange) {
    struct Case {
        int speed;
        double desktop;
    };
    for (const Case& c : std::vector<Case>{
             {1, -0.9}, {2, -0.8}, {10, 0.0}, {12, 0.2}, {20, 1.0}, {-2, -1.0}, {40, 1.0}}) {
        EXPECT_DOUBLE_EQ(DesktopSpeed(c.speed), c.desktop) << "speed " << c.speed;
    }
}

}  // namespace
}  // namespace gx508
