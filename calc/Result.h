#pragma once

#include <optional>
#include <string>
#include <utility>

// What kind of failure it was, for a caller that acts on it rather than on the words.
enum class FailureKind
{
    General,
    NotAProject, // the file is no project file at all: the window shows its own message
};

// The reason an operation gave no value: words for a message box, a log or standard error.
struct Failure
{
    std::string reason;
    FailureKind kind = FailureKind::General;
};

// What an operation that can fail gives: its value, or the reason there is none. Returning a
// value or a Failure converts to it, so `return record;` and `return Failure{"why"};` both
// read as what they mean.
template <typename T> class [[nodiscard]] Result
{
public:
    Result(T value) : m_value(std::move(value)) {}
    Result(Failure failure) : m_reason(std::move(failure.reason)), m_kind(failure.kind) {}

    bool ok() const { return m_value.has_value(); }
    explicit operator bool() const { return ok(); }

    // The value; only when ok().
    T &value() & { return *m_value; }
    const T &value() const & { return *m_value; }
    T &&value() && { return std::move(*m_value); }
    T &operator*() & { return *m_value; }
    const T &operator*() const & { return *m_value; }
    T *operator->() { return &*m_value; }
    const T *operator->() const { return &*m_value; }

    // Why there is no value; empty when ok().
    const std::string &reason() const { return m_reason; }
    FailureKind kind() const { return m_kind; }
    // The same reason, to pass on as another operation's failure.
    Failure failure() const { return {m_reason, m_kind}; }

private:
    std::optional<T> m_value;
    std::string m_reason;
    FailureKind m_kind = FailureKind::General;
};

// An operation that gives nothing but success or a reason.
template <> class [[nodiscard]] Result<void>
{
public:
    Result() = default;
    Result(Failure failure)
        : m_failed(true), m_reason(std::move(failure.reason)), m_kind(failure.kind)
    {
    }

    bool ok() const { return !m_failed; }
    explicit operator bool() const { return ok(); }
    const std::string &reason() const { return m_reason; }
    FailureKind kind() const { return m_kind; }
    Failure failure() const { return {m_reason, m_kind}; }

private:
    bool m_failed = false;
    std::string m_reason;
    FailureKind m_kind = FailureKind::General;
};
