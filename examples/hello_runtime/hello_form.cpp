#include "hello_form.h"
#include "layouts.h"

#include <quorvane/bstr.h>
#include <quorvane/controls.h>
#include <quorvane/default_instance.h>
#include <quorvane/handler.h>
#include <quorvane/message_box.h>

#include <cstdio>

namespace hello
{

// Every handler is bound by the names of its control and event, as the class's type information names them;
// the load refuses a name that is not there.
HelloForm::HelloForm(qv::Runtime &runtime, Program &program)
    : Form(runtime, helloLayout)
    , program_(program)
{
    bind("Form", "Load", [this](std::span<qv::Variant>) { return formLoad(); });
    bind("NameBox", qv::controls::TextBox::Events::Change,
         [this](std::span<qv::Variant>) { return nameChanged(); });
    bind("Greet", "Click", [this](std::span<qv::Variant>) { return greetClick(); });
    bind("About", "Click", [this](std::span<qv::Variant>) { return aboutClick(); });
    bind("Quit", "Click", [this](std::span<qv::Variant>) { return quitClick(); });
    bind("Form", "QueryUnload",
         [this](std::span<qv::Variant> arguments) { return queryUnload(arguments[0]); });
    bind("Form", "Terminate", [this](std::span<qv::Variant>) { return terminate(); });
}

qv::FormClass helloFormClass(Program &program)
{
    return { [&program](qv::Runtime &runtime) -> qv::Form * { return new HelloForm(runtime, program); } };
}

// The salutations are the program's, not the layout's: the list is filled as the window loads, the first
// chosen.
qv::Status HelloForm::formLoad()
{
    return qv::handlerBody([&] {
        const qv::ObjRef<HelloForm> me(this);
        qv::controls::ListBox list;
        qv::check(Salutations(list), *this, "Salutations");
        for (const QString &salutation :
             { QStringLiteral("Hello"), QStringLiteral("Good day"), QStringLiteral("Welcome") })
            qv::check(list.AddItem(salutation), *list.control(), "AddItem");
        qv::check(list.put_ListIndex(0), *list.control(), "ListIndex");
    });
}

// As the name is typed, the title follows it: the controls reached through their typed classes, whose
// members are checked when this compiles.
qv::Status HelloForm::nameChanged()
{
    return qv::handlerBody([&] {
        const qv::ObjRef<HelloForm> me(this);
        qv::controls::TextBox box;
        qv::check(control("NameBox", box), *this, "NameBox");
        QString text;
        qv::check(box.get_Text(text), *box.control(), "Text");
        const QString name = text.trimmed();
        qv::controls::Label title;
        qv::check(control("Title", title), *this, "Title");
        const QString caption
            = name.isEmpty() ? QStringLiteral("Hello, runtime") : QStringLiteral("Hello, %1").arg(name);
        qv::check(title.put_Caption(caption), *title.control(), "Caption");
    });
}

// Reads the name, the salutation and whether to shout, and writes the greeting; every call is checked, and
// the references and the string go with the handler's one error path.
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
        qv::controls::ListBox list;
        qv::check(Salutations(list), *this, "Salutations");
        std::int32_t chosen = 0;
        qv::check(list.get_ListIndex(chosen), *list.control(), "ListIndex");
        QString salutation = QStringLiteral("Hello");
        if (chosen >= 0)
            qv::check(list.List(chosen, &salutation), *list.control(), "List");
        QString greeting = qv::vbaStrCmp(name, u"") == 0
            ? QStringLiteral("%1, whoever you are!").arg(salutation)
            : QStringLiteral("%1, %2!").arg(salutation, name);
        qv::controls::CheckBox shout;
        qv::check(Shout(shout), *this, "Shout");
        auto shouted = qv::controls::CheckBox::ValueConstants::vbUnchecked;
        qv::check(shout.get_Value(shouted), *shout.control(), "Value");
        if (shouted == qv::controls::CheckBox::ValueConstants::vbChecked)
            greeting = greeting.toUpper();
        ++greetings_;
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

// Quit unloads the window as the close box does: QueryUnload asks first, and the run ends once the window
// has gone, as it is the program's last.
qv::Status HelloForm::quitClick()
{
    return qv::handlerBody([&] {
        const qv::ObjRef<HelloForm> me(this);
        qv::check(Unload(), *this, "Unload");
    });
}

// The run is ending: every window has gone. A program would save its settings here; this one says how often
// it greeted.
qv::Status HelloForm::terminate()
{
    return qv::handlerBody([&] {
        std::printf("Greeted %d times. Goodbye.\n", greetings_);
        std::fflush(stdout);
    });
}

// Asked before the window goes, by Quit or by its close box; "No" keeps it (Cancel).
qv::Status HelloForm::queryUnload(qv::Variant &cancel)
{
    return qv::handlerBody([&] {
        qv::MessageAnswer answer = qv::MessageAnswer::Yes;
        qv::check(qv::messageBox(runtime(), u"Quit Hello Runtime?",
                                 qv::messageStyle(qv::MessageButtons::YesNo, qv::MessageIcon::Question),
                                 u"Quit", answer),
                  *this, "MsgBox");
        if (answer == qv::MessageAnswer::No)
            cancel = qv::Variant(true);
    });
}

} // namespace hello
