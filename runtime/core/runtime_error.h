#pragma once
// Run-time errors: a failing status turned into an error that names the object, the interface and the
// operation. vbaHresultCheckObj raises one; the handler's error path returns its status to the runtime,
// which reports it.

#include "runtime/core/com_object.h"
#include "runtime/core/failure.h"
#include "runtime/core/status.h"

#include <exception>
#include <string_view>

namespace qv
{

class RunTimeError : public std::exception
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
    Status status_;
    QString object_;
    QString interface_;
    QString operation_;
    ErrorInfo info_;
    QByteArray what_;
};

// Raises the run-time error for a failing status; never returns.
[[noreturn]] void vbaHresultCheckObj(Status status, const ComObject &object, const QString &interfaceName,
                                     std::string_view operation);

// Tests a status at once, as every call in a handler does.
inline void check(Status status, const ComObject &object, std::string_view operation)
{
    if (failed(status))
        vbaHresultCheckObj(status, object, object.interfaceName(), operation);
}

} // namespace qv
