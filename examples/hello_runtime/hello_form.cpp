#include "hello_form.h"
#include "layouts.h"

#include <quorvane/bstr.h>
#include <quorvane/handler.h>
#include <quorvane/program.h>

namespace hello
{

// Every handler is bound by the names of its control and event, as the class's type information names them;
// the load refuses a name that is not there.
HelloForm::HelloForm(qv::Runtime &runtime, Program &program)
    : Form(runtime, helloLayout)
    , program_(program)
{
    bind("NameBox", "Change", [this](std::span<qv::Variant>) { return nameChanged(); });
    bind("Greet", "Click", [this](std::span<qv::Variant>) { return greetClick(); });
    bind("About", "Click", [this](std::span<qv::Variant>) { return aboutClick(); });
    bind("Quit", "Click", [this](std::span<qv::Variant>) { return quitClick(); });
}

qv::FormClass helloFormClass(Program &program)
{
    return { [&program](qv::Runtime &runtime) -> qv::Form * { return new HelloForm(runtime, program); } };
}

// As the name is typed, the title follows it: the controls' members reached by name, late bound.
qv::Status HelloForm::nameChanged()
{
    return qv::handlerBody([&] {
        const qv::ObjRef<HelloForm> me(this);
        qv::ObjRef<qv::Control> box;
        qv::check(Controls("NameBox", box), *this, "NameBox");
        qv::Variant text;
        qv::check(box->get("Text", text), *box, "Text");
        const QString name = text.toString().value_or(QString()).trimmed();
        qv::ObjRef<qv::Control> title;
        qv::check(Controls("Title", title), *this, "Title");
        const QString caption
            = name.isEmpty() ? QStringLiteral("Hello, runtime") : QStringLiteral("Hello, %1").arg(name);
        qv::check(title->put("Caption", qv::Variant(caption)), *title, "Caption");
    });
}

// Reads the name and writes the greeting; every call is checked, and the references and the string go
// with the handler's one error path.
qv::Status HelloForm::greetClick()
{
    return qv::handlerBody([&] {
        const qv::ObjRef<HelloForm> me(this);
        QString name;
        {
            qv::ObjRef<qv::TextBox> box;
            qv::check(NameBox(box), *this, "NameBox");
            qv::BStr text;
            qv::check(box->Text(text), *box, "Text");
            name = text.text().trimmed();
        }
        const QString greeting = qv::vbaStrCmp(name, u"") == 0 ? QStringLiteral("Hello, whoever you are!")
                                                               : QStringLiteral("Hello, %1!").arg(name);
        qv::ObjRef<qv::TextBox> out;
        qv::check(GreetingBox(out), *this, "GreetingBox");
        qv::check(out->Text(greeting), *out, "Text");
    });
}

// The dialog is shown modally: this returns once it is closed, and the focus goes back to "Greet".
qv::Status HelloForm::aboutClick()
{
    return qv::handlerBody([&] {
        const qv::ObjRef<HelloForm> me(this);
        if (program_.about.empty())
            qv::vbaNew2(runtime(), aboutFormClass(program_), program_.about);
        qv::Form &about = *program_.about;
        qv::check(about.Show(qv::Variant::fromLong(1)), about, "Show");
        qv::ObjRef<qv::CommandButton> greet;
        qv::check(Greet(greet), *this, "Greet");
        qv::check(greet->SetFocus(), *greet, "SetFocus");
    });
}

qv::Status HelloForm::quitClick()
{
    qv::vbaEnd(runtime());
}

} // namespace hello
