#pragma once
// The failure value: an operation that can fail returns its result, or why it failed, and neither can be
// dropped unread. The runtime, its control library modules and the installation check pass every failure
// this way; the operations a program calls turn it into a status and the error object that the run-time
// error raised from that status reads.

#include <quorvane/runtime_error.h>
#include <quorvane/status.h>

#include <QString>
#include <concepts>
#include <optional>
#include <utility>
#include <variant>

namespace qv
{

// Why an operation failed: its status and its explanation, which travel together.
struct Failure {
    Status status = status::fail;
    ErrorInfo info;

    // What a person reads: the explanation given, or the status's standard wording.
    QString explanation() const
    {
        return info.description.isEmpty() ? describeStatus(status) : info.description;
    }
};

inline Failure failure(Status status, QString description = {}, std::optional<CreationFailure> creation = {})
{
    return Failure { status, ErrorInfo { std::move(description), std::move(creation) } };
}

// The result of an operation, or its failure E: by default a Failure; a layer whose failures say more (which
// module file, which kind of problem) names its own.
template<class T = void, class E = Failure> class [[nodiscard]] Outcome
{
public:
    Outcome(T value)
        : state_(std::in_place_index<0>, std::move(value))
    {
    }
    Outcome(E failure)
        : state_(std::in_place_index<1>, std::move(failure))
    {
    }

    bool ok() const { return state_.index() == 0; }
    explicit operator bool() const { return ok(); }
    T &value() & { return std::get<0>(state_); }
    const T &value() const & { return std::get<0>(state_); }
    T &&value() && { return std::get<0>(std::move(state_)); }
    const E &failure() const & { return std::get<1>(state_); }
    E &&failure() && { return std::get<1>(std::move(state_)); }
    Status status() const requires std::same_as<E, Failure> { return ok() ? status::ok : failure().status; }

private:
    std::variant<T, E> state_;
};

template<class E> class [[nodiscard]] Outcome<void, E>
{
public:
    Outcome() = default;
    Outcome(E failure)
        : failure_(std::move(failure))
    {
    }

    bool ok() const { return !failure_; }
    explicit operator bool() const { return ok(); }
    const E &failure() const & { return *failure_; }
    E &&failure() && { return *std::move(failure_); }
    Status status() const requires std::same_as<E, Failure> { return ok() ? status::ok : failure_->status; }

private:
    std::optional<E> failure_;
};

} // namespace qv
