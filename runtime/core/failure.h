#pragma once
// Why an operation failed: its status and its explanation, which travel together inside the runtime. At the
// boundary a program calls (Show, Hide, the control accessors) the explanation becomes the error object that
// the next run-time error reads.

#include "runtime/core/status.h"

#include <QString>
#include <optional>

namespace qv
{

// A control that could not be created: everything a person needs to find the fault.
struct CreationFailure {
    QString controlName; // the stored record, e.g. "Adodc1"
    QString className; // programmatic identifier or built-in class name
    QString clsid; // empty for a built-in class
    QString libraryFile; // empty for a built-in class
    QString reason;
};

// The error object: what the last failing operation left for the run-time error raised from its status.
struct ErrorInfo {
    QString description; // empty: the status's standard wording
    std::optional<CreationFailure> creation;
};

struct Failure {
    Status status = status::fail;
    ErrorInfo info;
};

inline Failure failure(Status status, QString description = {}, std::optional<CreationFailure> creation = {})
{
    return Failure { status, ErrorInfo { std::move(description), std::move(creation) } };
}

} // namespace qv
