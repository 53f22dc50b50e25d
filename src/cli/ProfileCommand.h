// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "core/store/SharedState.h"

namespace gx508 {

// `gx508ctl profile WORDS...`: list, select N, new NAME, rename N NAME, delete N, copy N,
// export N FILE, import FILE. Prints `list` one profile a line as "* N NAME" for the current
// profile and "  N NAME" for the others, and the line of the profile `new` and `copy` add.
// Returns 0 when done, 2 when the command or a rule of the profile list refuses it (the
// program folder is then unchanged), 1 when a file cannot be read or written; the reason goes
// to `err` on one line.
int ProfileCommand(SharedState& state, const std::vector<std::string>& words, std::ostream& out,
                   std::ostream& err);

}  // namespace gx508
