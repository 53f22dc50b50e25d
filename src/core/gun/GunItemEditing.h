// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/macro/MacroItemEditing.h"

namespace gx508 {

// The gun macro manager's event-list commands. `selected` is the selected item, -1 (or any
// other index outside the list) when none is.
//
// Insertions are refused while the list holds more than kGunInsertLimit - 1 items, and key,
// button and displacement insertions also while the selected item is an "X:" item (so that
// nothing comes between an X and its Y). Each pair goes after the selected item i, at i + 1
// and i + 2, followed by a full save; into an empty list it goes to 0 and 1, item 1 is
// selected and nothing is saved.

inline constexpr int kGunInsertLimit = 256;

// The name of mouse event 0..4 of the mouse event dialog: "L-Button", "R-Button",
// "M-Button", "Button 4" (forward), "Button 5" (back); empty for another index.
std::string_view GunMouseButtonName(int event);

// Key press and release of `keyName`; selects i + 2. With no selection in a non-empty list it
// only selects item 0. An empty name inserts nothing.
ItemEdit InsertGunKeyPair(std::vector<std::string>& items, int selected, std::string_view keyName);

// Press and release of mouse event 0..4; selects i + 1 when item i is a delay (contains "ms"),
// else i + 2, and always i + 2 for event 4. With no selection in a non-empty list: nothing.
ItemEdit InsertGunButtonPair(std::vector<std::string>& items, int selected, int event);

// "X: <x>" and "Y: <y>" with the texts as typed; selects i + 2. With no selection in a
// non-empty list: nothing.
ItemEdit InsertDisplacement(std::vector<std::string>& items, int selected, std::string_view x,
                            std::string_view y);

// "50 ms" before the selected item i, only when i >= 1 and item i contains neither "ms" nor
// "Y:"; selects i + 1; a full save follows.
ItemEdit InsertGunDelay(std::vector<std::string>& items, int selected);

// Deletes the selected item with its partner: a press with the first later item containing its
// name and "   Up", a release with the first earlier item containing its name and "   Dn", an
// "X:" item with the first later "Y:" item, a "Y:" item with the first earlier "X:" item. When
// the partner is missing nothing is deleted. Any other item is deleted alone. A full save
// follows whenever an item was selected; nothing is selected afterwards.
ItemEdit DeleteGunItem(std::vector<std::string>& items, int selected);

}  // namespace gx508
