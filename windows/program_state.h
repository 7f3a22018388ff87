#pragma once
// The program-wide state: the default-instance slots of the two windows, empty at start.
// Destroy it before the runtime that filled it.

#include <quorvane/default_instance.h>

namespace qv
{

struct ProgramState {
    FormSlot form1;
    FormSlot form2;
};

// The two form classes, bound to the program state their handlers use.
FormClass form1Class(ProgramState &state);
FormClass form2Class(ProgramState &state);

} // namespace qv
