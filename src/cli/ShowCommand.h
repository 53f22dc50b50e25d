// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <ostream>

#include "core/store/SharedState.h"

namespace gx508 {

// Prints the loaded profile in words: files, language, report rate, DPI stages, lighting,
// pointer values, sensitivity, button labels, gun switches and macro slots.
void ShowConfiguration(const SharedState& state, std::ostream& out);

// The same facts as one JSON object on one line, keys in English. Numbers stay numbers; a
// value the block holds that has no meaning (an unknown DPI index, report rate or lighting
// effect) is null beside the raw byte.
void ShowConfigurationJson(const SharedState& state, std::ostream& out);

}  // namespace gx508
