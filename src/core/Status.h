// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <utility>
#include <variant>

namespace gx508 {

// Why an operation failed: the system's error code (errno, 0 when there is none) and a
// sentence for logs and messages.
struct Failure {
    std::string message;
    int code = 0;
};

// The outcome of an operation that can fail: its value, or the failure.
template <typename T>
class Result {
  public:
    Result(T value) : m_outcome(std::in_place_index<0>, std::move(value)) {}
    Result(Failure failure) : m_outcome(std::in_place_index<1>, std::move(failure)) {}
    static Result Error(std::string message, int code = 0) {
        return Result(Failure{std::move(message), code});
    }

    bool ok() const { return m_outcome.index() == 0; }
    explicit operator bool() const { return ok(); }

    // The value; only when ok().
    T& value() { return std::get<0>(m_outcome); }
    const T& value() const { return std::get<0>(m_outcome); }
    T& operator*() { return value(); }
    const T& operator*() const { return value(); }
    T* operator->() { return &value(); }
    const T* operator->() const { return &value(); }

    // The failure; only when !ok().
    const Failure& failure() const { return std::get<1>(m_outcome); }
    const std::string& message() const { return failure().message; }
    int code() const { return failure().code; }

  private:
    std::variant<T, Failure> m_outcome;
};

// An outcome without a value: success, or the failure.
template <>
class Result<void> {
  public:
    Result() = default;
    Result(Failure failure) : m_failed(true), m_failure(std::move(failure)) {}
    static Result Ok() { return Result(); }
    static Result Error(std::string message, int code = 0) {
        return Result(Failure{std::move(message), code});
    }

    bool ok() const { return !m_failed; }
    explicit operator bool() const { return ok(); }

    // The failure; empty with code 0 on success.
    const Failure& failure() const { return m_failure; }
    const std::string& message() const { return m_failure.message; }
    int code() const { return m_failure.code; }

  private:
    bool m_failed = false;
    Failure m_failure;
};

using Status = Result<void>;

}  // namespace gx508
