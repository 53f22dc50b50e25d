// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

#include "core/LogSink.h"

namespace gx508 {

// The program's debug output. Lines are never shown to the user; they go to standard error
// only when the environment variable GX508_DEBUG is set, so a user can ask for them.
class DebugLog final : public LogSink {
  public:
    DebugLog();
    void Write(std::string_view line) override;

  private:
    bool m_enabled;
};

}  // namespace gx508
