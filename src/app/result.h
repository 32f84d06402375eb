#pragma once
#include <cassert>
#include <string>
#include <utility>
#include <variant>

namespace fiscalia {

// What went wrong, in words a user can read ("Permission denied",
// "not a regular file").
struct Failure {
    std::string reason;
};

// The outcome of a load or save: a value, or the Failure that kept it from
// being made. Asking for the value of a failed Result (or the reason of a
// good one) is a programming error.
template <typename T>
class [[nodiscard]] Result {
public:
    Result(T value) : state_(std::in_place_index<0>, std::move(value)) {}
    Result(Failure failure) : state_(std::in_place_index<1>, std::move(failure)) {}

    bool ok() const { return state_.index() == 0; }
    explicit operator bool() const { return ok(); }

    T& value() & { assert(ok()); return std::get<0>(state_); }
    const T& value() const& { assert(ok()); return std::get<0>(state_); }
    T&& value() && { assert(ok()); return std::get<0>(std::move(state_)); }

    T& operator*() & { return value(); }
    const T& operator*() const& { return value(); }
    T&& operator*() && { return std::move(*this).value(); }
    T* operator->() { return &value(); }
    const T* operator->() const { return &value(); }

    const std::string& reason() const { assert(!ok()); return std::get<1>(state_).reason; }

private:
    std::variant<T, Failure> state_;
};

// The outcome of a step that gives nothing back but may fail.
template <>
class [[nodiscard]] Result<void> {
public:
    Result() = default;
    Result(Failure failure) : state_(std::in_place_index<1>, std::move(failure)) {}

    bool ok() const { return state_.index() == 0; }
    explicit operator bool() const { return ok(); }

    const std::string& reason() const { assert(!ok()); return std::get<1>(state_).reason; }

private:
    std::variant<std::monostate, Failure> state_;
};

} // namespace fiscalia
