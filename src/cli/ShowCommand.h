#pragma once

#include <ostream>

#include "core/store/SharedState.h"

namespace gx508 {

// Prints the loaded profile in words: files, language, report rate, DPI stages, lighting,
// pointer values, sensitivity, button labels, gun switches and macro slots.
void ShowConfiguration(const SharedState& state, std::ostream& out);

}  // namespace gx508
