#pragma once
// Hello Runtime's main window: type a name and the title follows it, "Greet" writes a greeting with the
// salutation chosen in the list (shouted if the box is checked), "About..." opens a dialog modally, "Quit"
// asks and ends the program.

#include "program.h"

#include <quorvane/controls.h>
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
    qv::Status Salutations(qv::controls::ListBox &out) { return control("Salutations", out); }
    qv::Status Shout(qv::controls::CheckBox &out) { return control("Shout", out); }

private:
    qv::Status formLoad();
    qv::Status nameChanged();
    qv::Status greetClick();
    qv::Status aboutClick();
    qv::Status quitClick();
    qv::Status queryUnload(qv::Variant &cancel);
    qv::Status terminate();

    int greetings_ = 0;

    Program &program_;
};

} // namespace hello
