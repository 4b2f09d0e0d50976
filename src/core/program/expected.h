#pragma once

#include <QString>

#include <optional>
#include <utility>

// Why an operation failed, in words for the user: already translated, naming the file or the
// server concerned. A window adds the program's title when it shows it (MessagePrompt); the
// command line prints it after the program's name.
struct UserError
{
    QString message;
};

// What an operation whose failure a user sees gives back: its value, or the UserError. Read it
// as a std::optional (a failure is false); error() is empty while it holds a value.
template <typename T = void> class [[nodiscard]] Expected
{
public:
    Expected(T value) : m_value(std::move(value)) {}
    Expected(UserError error) : m_error(std::move(error.message)) {}

    explicit operator bool() const { return m_value.has_value(); }
    bool has_value() const { return m_value.has_value(); }
    T& value() & { return m_value.value(); }
    const T& value() const& { return m_value.value(); }
    T&& value() && { return std::move(m_value).value(); }
    T& operator*() & { return *m_value; }
    const T& operator*() const& { return *m_value; }
    T* operator->() { return &*m_value; }
    const T* operator->() const { return &*m_value; }
    template <typename U> T value_or(U&& fallback) const&
    {
        return m_value.value_or(std::forward<U>(fallback));
    }
    const QString& error() const { return m_error; }
    // Compares the value; a failure equals no value.
    template <typename U> bool operator==(const U& other) const { return m_value == other; }

private:
    std::optional<T> m_value;
    QString m_error;
};

template <> class [[nodiscard]] Expected<void>
{
public:
    Expected() = default;
    Expected(UserError error) : m_failed(true), m_error(std::move(error.message)) {}

    explicit operator bool() const { return !m_failed; }
    const QString& error() const { return m_error; }

private:
    bool m_failed = false;
    QString m_error;
};
