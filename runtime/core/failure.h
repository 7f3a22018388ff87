#pragma once
// Why an operation failed: its status and its explanation, which travel together inside the runtime. At the
// boundary a program calls (Show, Hide, the control accessors) the explanation becomes the error object that
// the next run-time error reads.

#include <quorvane/runtime_error.h>

namespace qv
{

struct Failure {
    Status status = status::fail;
    ErrorInfo info;
};

inline Failure failure(Status status, QString description = {}, std::optional<CreationFailure> creation = {})
{
    return Failure { status, ErrorInfo { std::move(description), std::move(creation) } };
}

} // namespace qv
