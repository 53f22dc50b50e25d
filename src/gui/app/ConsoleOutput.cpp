// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/app/ConsoleOutput.h"

namespace gx508 {

void ConsoleOutput::writeLine(std::string_view line) {
    std::lock_guard lock(m_mutex);
    std::fwrite(line.data(), 1, line.size(), m_stream);
    std::fputc('\n', m_stream);
    std::fflush(m_stream);
}

}  // namespace gx508
