// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/DebugLog.h"

#include <cstdio>
#include <cstdlib>

namespace gx508 {

DebugLog::DebugLog() : m_enabled(std::getenv("GX508_DEBUG") != nullptr) {}

void DebugLog::Write(std::string_view line) {
    if (!m_enabled) {
        return;
    }
    std::fprintf(stderr, "gx508: %.*s\n", static_cast<int>(line.size()), line.data());
}

}  // namespace gx508
