#pragma once
// The showcase window: holds one instance of every control class; "Close Form" ends the round trip.

#include "windows/program_state.h"
#include <quorvane/form.h>

namespace qv
{

class Form2 final : public Form
{
public:
    Form2(Runtime &runtime, ProgramState &state);

    Status Command2(ObjRef<CommandButton> &out) { return control("Command2", out); }
    Status Label1(ObjRef<Control> &out) { return control("Label1", out); }

    Handler handlerFor(std::string_view control, Event event) override;

    Status Command2_Click();

private:
    // Form1's default instance, created first if its slot is empty; tested before each use.
    class Form1 &form1();

    ProgramState &state_;
};

} // namespace qv
