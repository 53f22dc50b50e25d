// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <ostream>
#include <span>
#include <string>

#include "core/store/SharedState.h"

namespace gx508 {

// `set button N FUNCTION` (the words after `set button`): gives the button the window captions
// "Button N" a function through the assignment menu of that button and its dispatcher, then
// saves the current profile's settings file and settings ini as Apply's save does. FUNCTION is
// an item of the English menu that needs no further choice ("DPI +", "Forward", "Scroll"),
// key:NAME, macro:NAME[:MODE] or gun:NAME[:MODE] (MODE once, toggle or hold; once when left
// out). A bad word or an assignment the menu refuses prints one line on `err` and returns 2
// with no file changed; a failed write returns 1; success prints nothing and returns 0.
int SetButtonCommand(SharedState& state, std::span<const std::string> words, std::ostream& err);

}  // namespace gx508
