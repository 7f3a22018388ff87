#pragma once
#include <quorvane/form_description.h>

namespace qv
{

// The main window's stored layout.
extern const FormDescription form1Layout;

} // namespace qv
