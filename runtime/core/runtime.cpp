#include "runtime/core/runtime.h"
#include "runtime/core/form_private.h"
#include "runtime/core/module_code_watch.h"
#ifdef QUORVANE_TEST_SEAMS
#include "runtime/core/test_seams.h"
#endif
#include <quorvane/form_description.h>

#include <QCoreApplication>
#include <QWidget>
#include <algorithm>
#include <cstdlib>
#include <cxxabi.h>
#include <memory>
#include <typeinfo>

namespace qv
{

namespace
{
// The type of the exception being handled, as its source names it: "std::runtime_error".
QString currentExceptionType()
{
    const std::type_info *type = abi::__cxa_current_exception_type();
    if (!type)
        return QStringLiteral("unknown");
    int demangled = -1;
    const std::unique_ptr<char, decltype(&std::free)> name(
        abi::__cxa_demangle(type->name(), nullptr, nullptr, &demangled), &std::free);
    return QString::fromLatin1(demangled == 0 ? name.get() : type->name());
}
} // namespace

Runtime::Runtime(Host &host)
    : host_(host)
    , scale_(TwipsScale::ofScreen())
{
#ifdef QUORVANE_TEST_SEAMS
    forgetProbeOf(*this); // anything told of an earlier runtime at this address
#endif
}

Runtime::~Runtime()
{
    unloadForms();
#ifdef QUORVANE_TEST_SEAMS
    forgetProbeOf(*this);
#endif
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
    if (project.startupSlot.empty())
        vbaNew2(*this, project.startupForm, project.startupSlot);
    Form &form = *project.startupSlot;
    const Status s = form.Show();
    if (hasEnded())
        return;
    // A start-up form whose Load unloads it is the program's choice: the run goes on only while a window
    // it showed meanwhile is visible.
    if (!failed(s) || s == status::objectUnloaded) {
        startupForm_ = &form;
        windowWent();
        return;
    }
    // No handler of the program is running: the runtime reports the failure of the first Show itself.
    reportAndEnd(
        RunTimeError(s, form.objectName(), form.interfaceName(), storedText("Show"), takeErrorObject()));
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
    if (const Handler handler = form.handlerFor(control, event))
        runHandler(form, control, handler);
}

void Runtime::runHandler(Form &form, std::string_view control, const Handler &handler)
{
    if (hasEnded())
        return;
    // The program's code runs with its own signal handlers, even inside a load that watches modules.
    const ModuleCodeWatch::ProgramCode programCode;
    ++handlersRunning_;
    runGuarded(form, control, handler);
    if (--handlersRunning_ == 0 && windowWentWhileRunning_) {
        windowWentWhileRunning_ = false;
        windowWent();
    }
}

void Runtime::runGuarded(Form &form, std::string_view control, const Handler &handler)
{
    try {
        const Status s = handler();
        if (failed(s) && !hasEnded())
            handlerFailed(form, control, s);
    } catch (const RunTimeError &error) {
        // A handler without its own error path: the runtime's report all the same.
        if (!hasEnded())
            handlerFailed(form, control, error.status());
    } catch (const std::exception &error) {
        // Any other exception is the program's fault too, reported like a run-time error, never left to end
        // the process in std::terminate.
        if (!hasEnded())
            handlerThrew(form, control, QStringLiteral(": ") + QString::fromLocal8Bit(error.what()));
    } catch (...) {
        if (!hasEnded())
            handlerThrew(form, control, {});
    }
}

void Runtime::handlerThrew(Form &form, std::string_view control, const QString &what)
{
    const QString operation = storedText(control) + QStringLiteral(" event handler");
    ErrorInfo info;
    info.description = QStringLiteral("The %1 ended with an exception of type %2%3")
                           .arg(operation, currentExceptionType(), what);
    reportAndEnd(RunTimeError(status::unexpected, form.objectName(), form.interfaceName(), operation,
                              std::move(info)));
}

void Runtime::handlerFailed(Form &form, std::string_view control, Status status)
{
    if (lastError_ && lastError_->status() == status)
        reportAndEnd(*lastError_);
    else
        reportAndEnd(RunTimeError(status, form.objectName(), form.interfaceName(),
                                  storedText(control) + QStringLiteral(" event handler"), takeErrorObject()));
}

void Runtime::reportAndEnd(RunTimeError error)
{
    lastError_ = std::move(error);
    host_.showErrorReport(title(), lastError_->reportText());
    endRun(1);
}

void Runtime::closeBoxPressed(Form &form)
{
    if (hasEnded())
        return;
    // Closing the main window ends the run, even while another window is loaded but hidden: a hidden window
    // must never keep alive a process that the user can no longer see or end.
    if (&form == startupForm_) {
        finishRun();
        return;
    }
    FormPrivate::of(form).unload();
    windowWent();
}

void Runtime::windowWent()
{
    if (!startupForm_ || hasEnded() || finishing_)
        return;
    if (handlersRunning_ > 0) {
        windowWentWhileRunning_ = true;
        return;
    }
    const bool anyVisible = std::any_of(forms_.begin(), forms_.end(), [](const ObjRef<Form> &form) {
        const QWidget *window = windowOf(*form);
        return window && window->isVisible();
    });
    if (!anyVisible)
        finishRun();
}

void Runtime::finishRun()
{
    if (hasEnded() || finishing_)
        return;
    finishing_ = true;
    unloadForms();
    // By index: a Terminate handler may still make a form, whose own Terminate then runs too.
    for (std::size_t i = 0; i < forms_.size() && !hasEnded(); ++i) {
        const ObjRef<Form> form = forms_[i];
        if (const Handler terminate = FormPrivate::of(*form).boundToForm("Terminate"))
            runHandler(*form, "Form", terminate);
    }
    endRun(0);
}

void Runtime::endRun(int exitStatus)
{
    if (hasEnded())
        return;
    exitStatus_ = exitStatus;
    unloadForms();
    host_.endProcess(exitStatus);
}

void vbaEnd(Runtime &runtime)
{
    runtime.endRun(0);
    // Only a host that keeps its process returns from the end. The handler that called End goes no further:
    // it leaves by the run-time error of a program that has ended, which the runtime reports to no one.
    throw RunTimeError(status::programEnded, runtime.title(), {}, QStringLiteral("End"), ErrorInfo {});
}

} // namespace qv
