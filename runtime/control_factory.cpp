#include "control_factory.h"
#include "builtin_controls.h"
#include "form.h"
#include "runtime.h"

namespace qv
{

Status createControl(Form &form, const ControlRecord &record, QWidget &container, ObjRef<Control> &out)
{
    Runtime &runtime = form.runtime();
    CreationFailure failure {
        QString::fromLatin1(record.name.data(), static_cast<qsizetype>(record.name.size())), {}, {}, {}, {}
    };
    if (record.cls.isActiveX()) {
        failure.className
            = QString::fromLatin1(record.cls.progId.data(), static_cast<qsizetype>(record.cls.progId.size()));
        failure.reason = QStringLiteral("this runtime does not create ActiveX classes.");
        return runtime.fail(
            status::cannotCreateObject,
            QStringLiteral("%1: %2 could not be created.").arg(failure.controlName, failure.className),
            failure);
    }
    return createBuiltinControl(form, record, container, out);
}

} // namespace qv
