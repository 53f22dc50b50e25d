#pragma once

#include <string>
#include <utility>

namespace gx508 {

// The outcome of an operation that can fail: success, or an error with the system's error
// code (errno, 0 when there is none) and a sentence for logs and messages.
class Status {
  public:
    Status() = default;
    static Status Ok() { return Status(); }
    static Status Error(std::string message, int code = 0) {
        Status s;
        s.m_failed = true;
        s.m_message = std::move(message);
        s.m_code = code;
        return s;
    }

    bool ok() const { return !m_failed; }
    explicit operator bool() const { return ok(); }
    const std::string& message() const { return m_message; }
    int code() const { return m_code; }

  private:
    bool m_failed = false;
    std::string m_message;
    int m_code = 0;
};

}  // namespace gx508
