#pragma once
// The window with one control of each built-in class (builtin_layout.h), adopted by a runtime of its own for
// each test and gone with it: what the built-in classes' members and events tests load.

#include "runtime/core/control_private.h"
#include "runtime/core/form_private.h"
#include "runtime/start/standard_runtime.h"
#include "support/builtin_layout.h"
#include "support/recording_host.h"
#include <quorvane/form.h>

#include <QCoreApplication>
#include <gtest/gtest.h>
#include <memory>

namespace qv::test
{

class BuiltinForm : public ::testing::Test
{
protected:
    ~BuiltinForm() override
    {
        form.reset();
        runtime.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    Control &control(std::string_view name) { return *findControl(*form, name); }
    QWidget *widgetNamed(std::string_view name) { return widgetOf(control(name)); }
    // The description of the last failure, taken.
    QString lastError() { return runtime->takeErrorObject().description; }

    RecordingHost host;
    std::unique_ptr<StandardRuntime> runtime = std::make_unique<StandardRuntime>(host);
    ObjRef<Form> form = runtime->adoptForm(new Form(*runtime, builtinLayout));
};

} // namespace qv::test
