#pragma once
#include <quorvane/form_description.h>

namespace qv
{

// The showcase window's stored layout.
const FormDescription &form2Layout();

} // namespace qv
