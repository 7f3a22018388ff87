#pragma once
// The control classes built into the runtime, made from Qt widgets.

#include "com_object.h"
#include "control.h"
#include "form_description.h"

namespace qv
{

class Form;

Status createBuiltinControl(Form &form, const ControlRecord &record, QWidget &container,
                            ObjRef<Control> &out);

} // namespace qv
