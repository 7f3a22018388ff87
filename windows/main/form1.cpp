#include "form1.h"
#include "form1_layout.h"

#include <quorvane/handler.h>
#include <quorvane/program.h>

namespace qv
{

namespace
{
constexpr QStringView wellThatWasFun = u"Well that was fun ....";
}

Form1::Form1(Runtime &runtime, ProgramState &state)
    : Form(runtime, form1Layout)
    , state_(state)
{
}

FormClass form1Class(ProgramState &state)
{
    return FormClass { [&state](Runtime &runtime) -> Form * { return new Form1(runtime, state); } };
}

Handler Form1::handlerFor(std::string_view control, Event event)
{
    if (control == "Form" && event == Event::Load)
        return [this] { return Form_Load(); };
    if (control == "Command1" && event == Event::Click)
        return [this] { return Command1_Click(); };
    if (control == "Command2" && event == Event::Click)
        return [this] { return Command2_Click(); };
    return {};
}

Status Form1::Form_Load()
{
    return handlerBody([&] {
        const ObjRef<Form1> me(this);
        ObjRef<TextBox> text1;
        check(Text1(text1), *this, "Text1");
        check(text1->Text(u""), *text1, "Text");
    });
}

Status Form1::Command1_Click()
{
    return handlerBody([&] {
        const ObjRef<Form1> me(this);
        check(Hide(), *this, "Hide");

        if (state_.form2.empty())
            vbaNew2(runtime(), form2Class(state_), state_.form2);
        Form &form2 = *state_.form2;
        // Returns once the showcase window is hidden ("Close Form") or unloaded (its close box).
        check(form2.Show(Variant::fromLong(1), Variant::missing()), form2, "Show");

        bool boxIsEmpty = false;
        {
            ObjRef<TextBox> text1;
            check(Text1(text1), *this, "Text1");
            BStr text;
            check(text1->Text(text), *text1, "Text");
            boxIsEmpty = vbaStrCmp(text.view(), u"") == 0;
        }
        if (boxIsEmpty) {
            ObjRef<TextBox> text1;
            check(Text1(text1), *this, "Text1");
            check(text1->Text(wellThatWasFun), *text1, "Text");
        }

        check(Show(), *this, "Show");
        ObjRef<CommandButton> exitButton;
        check(Command2(exitButton), *this, "Command2");
        check(exitButton->SetFocus(), *exitButton, "SetFocus");
    });
}

Status Form1::Command2_Click()
{
    vbaEnd(runtime());
}

} // namespace qv
