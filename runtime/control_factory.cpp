#include "control_factory.h"
#include "activex_controls.h"
#include "builtin_controls.h"
#include "form.h"
#include "runtime.h"

namespace qv
{

Status createControl(Form &form, const ControlRecord &record, QWidget &container, ObjRef<Control> &out)
{
    if (record.cls.isActiveX())
        return createActiveXControl(form, record, container, out);
    return createBuiltinControl(form, record, container, out);
}

} // namespace qv
