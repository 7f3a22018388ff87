#pragma once
// Hello Runtime's main window: type a name and the title follows it, "Greet" writes a greeting, "About..."
// opens a dialog modally, "Quit" ends the program.

#include "program.h"

#include <quorvane/form.h>

namespace hello
{

class HelloForm final : public qv::Form
{
public:
    HelloForm(qv::Runtime &runtime, Program &program);

    qv::Status NameBox(qv::ObjRef<qv::TextBox> &out) { return control("NameBox", out); }
    qv::Status GreetingBox(qv::ObjRef<qv::TextBox> &out) { return control("GreetingBox", out); }
    qv::Status Greet(qv::ObjRef<qv::CommandButton> &out) { return control("Greet", out); }

private:
    qv::Status nameChanged();
    qv::Status greetClick();
    qv::Status aboutClick();
    qv::Status quitClick();

    Program &program_;
};

} // namespace hello
