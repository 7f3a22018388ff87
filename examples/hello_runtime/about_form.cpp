#include "about_form.h"
#include "layouts.h"

#include <quorvane/handler.h>

namespace hello
{

AboutForm::AboutForm(qv::Runtime &runtime, Program &)
    : Form(runtime, aboutLayout)
{
}

qv::FormClass aboutFormClass(Program &program)
{
    return { [&program](qv::Runtime &runtime) -> qv::Form * { return new AboutForm(runtime, program); } };
}

qv::Handler AboutForm::handlerFor(std::string_view control, qv::Event event)
{
    if (control == "Ok" && event == qv::Event::Click)
        return [this] {
            return qv::handlerBody([&] {
                const qv::ObjRef<AboutForm> me(this);
                qv::check(Hide(), *this, "Hide");
            });
        };
    return {};
}

} // namespace hello
