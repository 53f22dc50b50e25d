// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/store/SharedState.h"

#include <utility>

namespace gx508 {

SharedState::SharedState(std::filesystem::path programFolder, LogSink& logSink) : log(logSink) {
    paths.folder = std::move(programFolder);
    paths.profileList = paths.folder / "str.ini";
    paths.macroStore = paths.folder / "record.ini";
}

}  // namespace gx508
