#pragma once
// Hello Runtime's program-wide state: one default-instance slot per window, empty until first use.

#include <quorvane/default_instance.h>

namespace hello
{

struct Program {
    qv::FormSlot hello;
    qv::FormSlot about;
};

qv::FormClass helloFormClass(Program &program);
qv::FormClass aboutFormClass(Program &program);

} // namespace hello
