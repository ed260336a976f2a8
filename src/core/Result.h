#pragma once

#include <QString>

#include <optional>
#include <utility>
#include <variant>

// The one error convention of the program: an operation returns either its value or a message
// that a person can read ("teacher.lgn, line 14: 'x' is not a number").
struct Error {
    QString message;
};

template <typename T>
class [[nodiscard]] Result {
public:
    Result(T value) : state_(std::in_place_index<0>, std::move(value)) {}
    Result(Error error) : state_(std::in_place_index<1>, std::move(error)) {}

    bool ok() const { return state_.index() == 0; }
    explicit operator bool() const { return ok(); }

    const T& value() const& { return std::get<0>(state_); }
    T& value() & { return std::get<0>(state_); }
    T&& value() && { return std::get<0>(std::move(state_)); }
    const T& operator*() const& { return value(); }
    T& operator*() & { return value(); }
    const T* operator->() const { return &value(); }
    T* operator->() { return &value(); }

    const QString& error() const { return std::get<1>(state_).message; }

private:
    std::variant<T, Error> state_;
};

// Result of an operation that has no value: success, or a message.
class [[nodiscard]] Status {
public:
    Status() = default;
    Status(Error error) : error_(std::move(error.message)) {}

    static Status success() { return {}; }

    bool ok() const { return !error_.has_value(); }
    explicit operator bool() const { return ok(); }
    const QString& error() const { return *error_; }

private:
    std::optional<QString> error_;
};
