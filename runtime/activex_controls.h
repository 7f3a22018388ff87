#pragma once
// ActiveX classes: programmatic identifier, then the manifest's entry, then the installed module that
// declares the class, then the instance made by that module from the record's stored-settings block.

#include "com_object.h"
#include "control.h"
#include "form_description.h"

namespace qv
{

class Form;

Status createActiveXControl(Form &form, const ControlRecord &record, QWidget &container,
                            ObjRef<Control> &out);

} // namespace qv
