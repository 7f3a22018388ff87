#pragma once
// What a failing operation leaves behind for whoever turns its status into a run-time error:
// a description, and for a control that could not be created, everything needed to find the fault.

#include <QString>
#include <optional>

namespace qv
{

struct CreationFailure {
    QString controlName; // the stored record, e.g. "Adodc1"
    QString className; // programmatic identifier or built-in class name
    QString clsid; // empty for a built-in class
    QString libraryFile; // empty for a built-in class
    QString reason;
};

struct ErrorInfo {
    QString description;
    std::optional<CreationFailure> creation;
};

} // namespace qv
