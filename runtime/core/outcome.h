#pragma once
// The one way a failure travels inside the runtime: an operation returns its value, or the failure with its
// explanation. Neither can be dropped unread.

#include "runtime/core/failure.h"

#include <utility>
#include <variant>

namespace qv
{

template<class T = void> class [[nodiscard]] Outcome
{
public:
    Outcome(T value)
        : state_(std::in_place_index<0>, std::move(value))
    {
    }
    Outcome(Failure failure)
        : state_(std::in_place_index<1>, std::move(failure))
    {
    }

    bool ok() const { return state_.index() == 0; }
    explicit operator bool() const { return ok(); }
    T &value() { return std::get<0>(state_); }
    const T &value() const { return std::get<0>(state_); }
    const Failure &failure() const { return std::get<1>(state_); }
    Status status() const { return ok() ? status::ok : failure().status; }

private:
    std::variant<T, Failure> state_;
};

template<> class [[nodiscard]] Outcome<void>
{
public:
    Outcome() = default;
    Outcome(Failure failure)
        : failure_(std::move(failure))
    {
    }

    bool ok() const { return !failure_; }
    explicit operator bool() const { return ok(); }
    const Failure &failure() const { return *failure_; }
    Status status() const { return ok() ? status::ok : failure_->status; }

private:
    std::optional<Failure> failure_;
};

} // namespace qv
