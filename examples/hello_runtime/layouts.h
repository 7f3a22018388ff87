#pragma once
// The stored layouts of Hello Runtime's two windows.

#include <quorvane/form_description.h>

namespace hello
{

extern const qv::FormDescription helloLayout;
extern const qv::FormDescription aboutLayout;

} // namespace hello
