#pragma once
// Hello Runtime's About dialog, shown modally: "OK" hides it.

#include "program.h"

#include <quorvane/form.h>

namespace hello
{

class AboutForm final : public qv::Form
{
public:
    AboutForm(qv::Runtime &runtime, Program &program);

    qv::Handler handlerFor(std::string_view control, qv::Event event) override;
};

} // namespace hello
