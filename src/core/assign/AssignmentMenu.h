// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/store/SharedState.h"

namespace gx508 {

class AssignmentDialogs;
struct MenuItem;

// A popup menu as data: the window draws it and posts the command of the chosen item.
struct Menu {
    int itemWidth = 0;  // the width, in pixels, every item of this menu is measured with
    std::vector<MenuItem> items;
};

// One item: a command item, or the title of a submenu (command 0).
struct MenuItem {
    std::string text;
    int command = 0;
    bool inert = false;  // shown like a command item; choosing it changes nothing
    std::optional<Menu> submenu;
};

// Item widths of the assignment menus.
inline constexpr int kTopMenuWidth = 120;
inline constexpr int kDpiMenuWidth = 50;
inline constexpr int kMultimediaMenuWidth = 100;
inline constexpr int kOfficeMenuWidth = 100;
inline constexpr int kWindowsMenuWidth = 120;
inline constexpr int kGunMenuWidth = 100;
inline constexpr int kGunSwitchMenuWidth = 30;

// The assignment menu of button `button` in the state's language, with the gun management
// submenu built from the gun switches as they are now: a gun switch bound to another button
// shows as its inert name, the others as a submenu with Assign, Enable and Disable.
Menu BuildAssignmentMenu(const SharedState& state, int button);

// What a click on button `button`'s selector opens. The last left-click button opens nothing:
// the left-click message is shown through `dialogs` instead. An index outside 0..11 opens
// nothing and shows nothing.
std::optional<Menu> OpenAssignmentMenu(const SharedState& state, int button,
                                       AssignmentDialogs& dialogs);

}  // namespace gx508
