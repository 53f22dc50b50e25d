// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>

#include "core/store/SharedState.h"

namespace gx508 {

// A copy of the block, paths and gun names with the English texts: the command line names
// functions in English whatever the interface language.
std::unique_ptr<SharedState> EnglishCopy(const SharedState& state);

}  // namespace gx508
