#pragma once
// Creation of a form's controls from their stored records.

#include "com_object.h"
#include "control.h"
#include "form_description.h"

namespace qv
{

class Form;

// Creates the control of a record inside its container, placed at its stored position and size. On failure
// the error info names the record, its class and the reason, and nothing is left behind.
Status createControl(Form &form, const ControlRecord &record, QWidget &container, ObjRef<Control> &out);

} // namespace qv
