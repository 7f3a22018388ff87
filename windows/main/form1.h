#pragma once
// The main window: "Test" runs one round trip through the showcase window, "Exit" ends the run.

#include "windows/program_state.h"
#include <quorvane/form.h>

namespace qv
{

class Form1 final : public Form
{
public:
    Form1(Runtime &runtime, ProgramState &state);

    Status Text1(ObjRef<TextBox> &out) { return control("Text1", out); }
    Status Command1(ObjRef<CommandButton> &out) { return control("Command1", out); }
    Status Command2(ObjRef<CommandButton> &out) { return control("Command2", out); }
    Status Label1(ObjRef<Control> &out) { return control("Label1", out); }

    Handler handlerFor(std::string_view control, Event event) override;

    Status Form_Load();
    Status Command1_Click();
    [[noreturn]] Status Command2_Click();

private:
    ProgramState &state_;
};

} // namespace qv
