#include "form2.h"
#include "form2_layout.h"

#include "windows/main/form1.h"
#include <quorvane/handler.h>
#include <quorvane/program.h>

namespace qv
{

namespace
{
constexpr QStringView allGood = u"All Good! Looks like it is working.";
}

Form2::Form2(Runtime &runtime, ProgramState &state)
    : Form(runtime, form2Layout())
    , state_(state)
{
}

FormClass form2Class(ProgramState &state)
{
    return FormClass { [&state](Runtime &runtime) -> Form * { return new Form2(runtime, state); } };
}

Handler Form2::handlerFor(std::string_view control, Event event)
{
    if (control == "Command2" && event == Event::Click)
        return [this] { return Command2_Click(); };
    return {};
}

Form1 &Form2::form1()
{
    if (state_.form1.empty())
        vbaNew2(runtime(), form1Class(state_), state_.form1);
    return state_.form1.as<Form1>();
}

Status Form2::Command2_Click()
{
    return handlerBody([&] {
        const ObjRef<Form2> me(this);
        check(Hide(), *this, "Hide");

        check(form1().Show(), form1(), "Show");

        ObjRef<TextBox> text1;
        check(form1().Text1(text1), form1(), "Text1");
        check(text1->Text(allGood), *text1, "Text");
        text1.reset();

        check(form1().SetFocus(), form1(), "SetFocus");
    });
}

} // namespace qv
