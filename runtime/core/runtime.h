#pragma once
// The forms runtime: owns every form and control, dispatches events to handlers, reports run-time errors and
// ends the run. One per process; tests make one per case with a recording host.

#include "controls/interface/twips.h"
#include "runtime/core/control_maker.h"
#include "runtime/core/host.h"
#include <quorvane/com_object.h>
#include <quorvane/form.h>
#include <quorvane/outcome.h>
#include <quorvane/program.h>
#include <quorvane/project_record.h>
#include <quorvane/runtime_error.h>

#include <functional>
#include <optional>
#include <string_view>
#include <vector>

namespace qv
{

class Runtime
{
public:
    explicit Runtime(Host &host);
    virtual ~Runtime();
    Runtime(const Runtime &) = delete;
    Runtime &operator=(const Runtime &) = delete;

    // Fills the start-up form's slot, loads it (raising its Load event) and shows it.
    void start(const ProjectRecord &project);
    Host &host() const { return host_; }
    QString title() const;
    // Twips to pixels for laying out forms: the primary screen's, unless a test has given another.
    TwipsScale scale() const { return scale_; }
    // Forms loaded from now on are laid out at this resolution in place of the primary screen's: for tests of
    // screens the machine does not have, such as one whose pixels are not square. It sets the resolution the
    // runtime already holds: a member more would change the runtime's layout, which programs refer to.
    void layOutFormsAt(TwipsScale scale) { scale_ = scale; }
    // What makes the controls of every class the runtime knows.
    virtual ControlMaker &controlMaker() = 0;

    // Takes the first reference to a new form object; the runtime keeps it until the runtime goes away.
    ObjRef<Form> adoptForm(Form *form);

    // What an operation a program calls (Show, Hide, a control accessor, Text) returns: its status. A
    // failure's explanation becomes the error object, which the run-time error raised from that status reads.
    Status statusOf(const Outcome<> &outcome);
    // The error object left by the last operation a program called, read once.
    ErrorInfo takeErrorObject() { return std::exchange(errorObject_, ErrorInfo {}); }
    void setLastError(const RunTimeError &error) { lastError_ = error; }
    const std::optional<RunTimeError> &lastError() const { return lastError_; }

    // Calls the handler bound to the event, if any; a handler that returns an error ends the run with a
    // report.
    void dispatchEvent(Form &form, std::string_view control, Event event);
    // Runs a handler of the form's: a failure, or any exception that leaves it, is the runtime's report.
    void runHandler(Form &form, std::string_view control, const Handler &handler);
    void closeBoxPressed(Form &form);
    // A window was unloaded, from code or by its close box: once a started program has no visible window
    // left and none of its code runs, the run ends as when its main window closes. While a handler runs (a
    // main window hidden while its modal dialog shows, say) the question waits for the outermost handler to
    // return: the program may still show a window.
    void windowWent();

    // Closes every window, loaded or hidden, and ends the process. A host that keeps its process (the
    // installation check's) returns, and so does this: the run is over all the same, every operation of a
    // form or control fails with status::programEnded and no further event runs.
    void endRun(int exitStatus);
    // The normal end of the run, once the program's last window has gone: every form is unloaded, then each
    // form object's Terminate handler runs, then the run ends with status 0. End and a run-time error end it
    // at once instead, and no Terminate runs.
    void finishRun();
    bool hasEnded() const { return exitStatus_.has_value(); }
    std::optional<int> exitStatus() const { return exitStatus_; }

protected:
    // Unloads every form; a runtime whose makers go before it calls this first.
    void unloadForms();

private:
    // Runs the handler; whatever leaves it, status or exception, becomes the program's run-time error.
    void runGuarded(Form &form, std::string_view control, const Handler &handler);
    // A handler ended with a failing status: the run-time error it raised, or one made for its status.
    void handlerFailed(Form &form, std::string_view control, Status status);
    // A handler ended by an exception other than a run-time error; what: ": " and its message, or empty.
    void handlerThrew(Form &form, std::string_view control, const QString &what);
    void reportAndEnd(RunTimeError error);

    Host &host_;
    const ProjectRecord *project_ = nullptr;
    // Set once the start-up form is shown: until then, while its Load runs, no window need be visible.
    Form *startupForm_ = nullptr;
    int handlersRunning_ = 0;
    bool windowWentWhileRunning_ = false;
    bool finishing_ = false;
    TwipsScale scale_;
    std::vector<ObjRef<Form>> forms_;
    ErrorInfo errorObject_;
    std::optional<RunTimeError> lastError_;
    std::optional<int> exitStatus_;
};

} // namespace qv
