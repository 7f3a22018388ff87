#include "runtime/core/runtime.h"
#include "runtime/core/form_private.h"
#include "runtime/core/stored_text.h"

#include <QCoreApplication>

namespace qv
{

Runtime::Runtime(Host &host)
    : host_(host)
    , scale_(TwipsScale::ofScreen())
{
}

Runtime::~Runtime()
{
    unloadForms();
}

void Runtime::unloadForms()
{
    for (auto &form : forms_)
        FormPrivate::of(*form).unload();
}

QString Runtime::title() const
{
    if (project_)
        return storedText(project_->identity.title);
    return QCoreApplication::applicationName();
}

void Runtime::start(const ProjectRecord &project)
{
    project_ = &project;
    try {
        if (project.startupSlot.empty())
            vbaNew2(*this, project.startupForm, project.startupSlot);
        Form &form = *project.startupSlot;
        startupForm_ = &form;
        if (const Status s = form.Show(); failed(s) && !hasEnded()) {
            try {
                vbaHresultCheckObj(s, form, form.interfaceName(), "Show");
            } catch (const RunTimeError &) {
                reportAndEnd(form, "Form", s);
            }
        }
    } catch (const ProcessEnded &) {
    }
}

ObjRef<Form> Runtime::adoptForm(Form *form)
{
    forms_.emplace_back(form);
    return forms_.back();
}

Status Runtime::statusOf(const Outcome<> &outcome)
{
    errorObject_ = outcome ? ErrorInfo {} : outcome.failure().info;
    return outcome.status();
}

void Runtime::dispatchEvent(Form &form, std::string_view control, Event event)
{
    if (hasEnded())
        return;
    const Handler handler = form.handlerFor(control, event);
    if (!handler)
        return;
    try {
        const Status s = handler();
        if (failed(s) && !hasEnded())
            reportAndEnd(form, control, s);
    } catch (const RunTimeError &error) {
        // A handler without its own error path: the runtime's report all the same.
        if (!hasEnded())
            reportAndEnd(form, control, error.status());
    } catch (const ProcessEnded &) {
        // The run ended inside the handler; nothing more of it runs.
    }
}

void Runtime::reportAndEnd(Form &form, std::string_view control, Status status)
{
    if (!lastError_ || lastError_->status() != status)
        lastError_ = RunTimeError(status, form.objectName(), form.interfaceName(),
                                  QStringLiteral("%1 event handler").arg(QLatin1StringView(control)),
                                  takeErrorObject());
    host_.showErrorReport(title(), lastError_->reportText());
    endRun(1);
}

void Runtime::closeBoxPressed(Form &form)
{
    if (hasEnded())
        return;
    try {
        // Closing the main window ends the run, even while another window is loaded but hidden: a hidden
        // window must never keep alive a process that the user can no longer see or end.
        if (&form == startupForm_)
            endRun(0);
        FormPrivate::of(form).unload();
    } catch (const ProcessEnded &) {
    }
}

void Runtime::endRun(int exitStatus)
{
    if (!hasEnded()) {
        exitStatus_ = exitStatus;
        for (auto &form : forms_)
            FormPrivate::of(*form).unload();
        host_.endProcess(exitStatus);
    }
    throw ProcessEnded { exitStatus };
}

void vbaEnd(Runtime &runtime)
{
    runtime.endRun(0);
}

} // namespace qv
