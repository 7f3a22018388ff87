#pragma once
// Run-time errors: a failing status turned into an error that names the object, the interface and the
// operation. vbaHresultCheckObj raises one; the handler's error path returns its status to the runtime,
// which reports it.

#include <quorvane/com_object.h>
#include <quorvane/export.h>
#include <quorvane/status.h>

#include <QByteArray>
#include <QString>
#include <exception>
#include <optional>
#include <string_view>

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

class QUORVANE_EXPORT RunTimeError : public std::exception
{
public:
    RunTimeError(Status status, QString object, QString interface, QString operation, ErrorInfo info);

    Status status() const { return status_; }
    const QString &object() const { return object_; }
    const QString &interfaceName() const { return interface_; }
    const QString &operation() const { return operation_; }
    const ErrorInfo &info() const { return info_; }
    QString description() const;
    // The full text of the runtime's report.
    QString reportText() const;
    const char *what() const noexcept override { return what_.constData(); }

private:
    // Fixed for every 2.x version of the runtime: programs catch the error by value.
    Status status_;
    QString object_;
    QString interface_;
    QString operation_;
    ErrorInfo info_;
    QByteArray what_;
};

// Raises the run-time error for a failing status; never returns.
[[noreturn]] QUORVANE_EXPORT void vbaHresultCheckObj(Status status, const ComObject &object,
                                                     const QString &interfaceName,
                                                     std::string_view operation);

// Tests a status at once, as every call in a handler does.
inline void check(Status status, const ComObject &object, std::string_view operation)
{
    if (failed(status))
        vbaHresultCheckObj(status, object, object.interfaceName(), operation);
}

} // namespace qv
