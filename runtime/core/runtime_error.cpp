#include "runtime/core/runtime.h"
#include <quorvane/form_description.h>
#include <quorvane/runtime_error.h>

namespace qv
{

RunTimeError::RunTimeError(Status status, QString object, QString interface, QString operation,
                           ErrorInfo info)
    : status_(status)
    , object_(std::move(object))
    , interface_(std::move(interface))
    , operation_(std::move(operation))
    , info_(std::move(info))
    , what_(reportText().toUtf8())
{
}

QString RunTimeError::description() const
{
    return info_.description.isEmpty() ? describeStatus(status_) : info_.description;
}

QString RunTimeError::reportText() const
{
    QString text = QStringLiteral("Run-time error '%1':\n\n%2\n\nObject: %3\nInterface: %4\nOperation: %5")
                       .arg(errorNumberText(status_), description(), object_, interface_, operation_);
    if (const auto &c = info_.creation) {
        text += QStringLiteral("\n\nControl: %1\nClass: %2").arg(c->controlName, c->className);
        if (!c->clsid.isEmpty())
            text += QStringLiteral("\nCLSID: %1").arg(c->clsid);
        if (!c->libraryFile.isEmpty())
            text += QStringLiteral("\nLibrary file: %1").arg(c->libraryFile);
        text += QStringLiteral("\nReason: %1").arg(c->reason);
    }
    return text;
}

void vbaHresultCheckObj(Status status, const ComObject &object, const QString &interfaceName,
                        std::string_view operation)
{
    Runtime &runtime = object.runtime();
    RunTimeError error(status, object.objectName(), interfaceName, storedText(operation),
                       runtime.takeErrorObject());
    runtime.setLastError(error);
    throw error;
}

} // namespace qv
