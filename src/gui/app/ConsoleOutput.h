// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdio>
#include <mutex>
#include <string_view>

namespace gx508 {

// Lines on standard output from any thread: each line is written whole and flushed at once, so
// that a reader of the pipe sees every event as it happens.
class ConsoleOutput {
  public:
    explicit ConsoleOutput(std::FILE* stream = stdout) : m_stream(stream) {}

    void writeLine(std::string_view line);

  private:
    std::mutex m_mutex;
    std::FILE* m_stream;
};

}  // namespace gx508
