// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/EnglishState.h"

namespace gx508 {

std::unique_ptr<SharedState> EnglishCopy(const SharedState& state) {
    auto english = std::make_unique<SharedState>(state.paths.folder, state.log);
    english->block = state.block;
    english->paths = state.paths;
    english->gunNames = state.gunNames;
    english->languageCode = "EN";
    english->texts = LanguageTable::For("EN");
    return english;
}

}  // namespace gx508
