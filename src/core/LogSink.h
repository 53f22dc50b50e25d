// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace gx508 {

// Receives the diagnostic lines of the program. They are never shown to the user; the
// platform sink sends them to the debug output, tests keep them to check what was logged.
class LogSink {
  public:
    virtual ~LogSink() = default;
    virtual void Write(std::string_view line) = 0;
};

// Drops every line.
class NullLog final : public LogSink {
  public:
    void Write(std::string_view) override {}
};

// Keeps every line, in order.
class RecordingLog final : public LogSink {
  public:
    void Write(std::string_view line) override { m_lines.emplace_back(line); }
    const std::vector<std::string>& lines() const { return m_lines; }
    void clear() { m_lines.clear(); }

  private:
    std::vector<std::string> m_lines;
};

}  // namespace gx508
