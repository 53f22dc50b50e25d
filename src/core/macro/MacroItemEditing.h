// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace gx508 {

// What an edit of an event list did, for the manager to show and save.
struct ItemEdit {
    bool changed = false;          // items were inserted or removed
    std::optional<int> selection;  // the item to select afterwards (-1: none); nothing: keep
    bool save = false;             // a full save follows
};

// The macro manager's event-list commands. `selected` is the selected item, -1 (or any other
// index outside the list) when none is. A macro holds at most kMaxMacroItems items (the most
// the store reads back); an insertion that would pass it does nothing.

// Inserts the press and release of `button` ("L-Button", "M-Button", "R-Button") after the
// selected item i, at i + 1 and i + 2, and selects the press when item i is a delay
// (contains "ms"), else the release; a full save follows. With an empty list the pair goes to
// 0 and 1, the release is selected and nothing is saved. With no selection in a non-empty
// list nothing happens.
ItemEdit InsertButtonPair(std::vector<std::string>& items, int selected, std::string_view button);

// Inserts "50 ms" before the selected item i, only when i > 0 and neither item i - 1 nor
// item i contains "ms"; the selected item (now i + 1) stays selected; a full save follows.
ItemEdit InsertMacroDelay(std::vector<std::string>& items, int selected);

// Removes the selected item; nothing is selected afterwards; a full save follows.
ItemEdit DeleteMacroItem(std::vector<std::string>& items, int selected);

}  // namespace gx508
