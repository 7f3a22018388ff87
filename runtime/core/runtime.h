#pragma once
// The forms runtime: owns every form and control, dispatches events to handlers, reports run-time errors and
// ends the run. One per process; tests make one per case with a recording host.

#include "runtime/core/com_object.h"
#include "runtime/core/control_maker.h"
#include "runtime/core/failure.h"
#include "runtime/core/form.h"
#include "runtime/core/host.h"
#include "runtime/core/project_record.h"
#include "runtime/core/runtime_error.h"
#include "runtime/core/twips.h"

#include <functional>
#include <optional>
#include <string_view>
#include <vector>

namespace qv
{

// Thrown where the host returned from ending the process (a test host), so that nothing after the end runs.
struct ProcessEnded {
    int exitStatus;
};

// A test seam: consulted at the start of every form and control operation; a failing status is returned by
// the operation as if it had failed itself.
using FaultInjector = std::function<Status(const ComObject &object, std::string_view operation)>;

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
    TwipsScale scale() const { return scale_; }
    // What makes the controls of every class the runtime knows.
    virtual ControlMaker &controlMaker() = 0;

    // Takes the first reference to a new form object; the runtime keeps it until the runtime goes away.
    ObjRef<Form> adoptForm(Form *form);

    // Records what went wrong for the next run-time error and returns the status.
    Status fail(Status status, QString description = {}, std::optional<CreationFailure> creation = {}) const;
    ErrorInfo takeErrorInfo() const;
    void setLastError(const RunTimeError &error) { lastError_ = error; }
    const std::optional<RunTimeError> &lastError() const { return lastError_; }

    // Calls the handler bound to the event, if any; a handler that returns an error ends the run with a
    // report.
    void dispatchEvent(Form &form, std::string_view control, Event event);
    void closeBoxPressed(Form &form);

    // Closes every window, loaded or hidden, and ends the process; no further event runs.
    [[noreturn]] void endRun(int exitStatus);
    bool hasEnded() const { return exitStatus_.has_value(); }
    std::optional<int> exitStatus() const { return exitStatus_; }

    void setFaultInjector(FaultInjector injector) { faultInjector_ = std::move(injector); }
    Status injectedFault(const ComObject &object, std::string_view operation) const;

    int liveControls() const { return liveControls_; }
    int controlsCreated() const { return controlsCreated_; } // over the whole run
    void noteControlCreated()
    {
        ++liveControls_;
        ++controlsCreated_;
    }
    void noteControlDestroyed() { --liveControls_; }

protected:
    // Unloads every form; a runtime whose makers go before it calls this first.
    void unloadForms();

private:
    [[noreturn]] void reportAndEnd(Form &form, std::string_view control, Status status);

    Host &host_;
    const ProjectRecord *project_ = nullptr;
    Form *startupForm_ = nullptr;
    TwipsScale scale_;
    std::vector<ObjRef<Form>> forms_;
    mutable ErrorInfo pendingInfo_;
    std::optional<RunTimeError> lastError_;
    std::optional<int> exitStatus_;
    FaultInjector faultInjector_;
    int liveControls_ = 0;
    int controlsCreated_ = 0;
};

// Ends the program at once with exit status 0.
[[noreturn]] void vbaEnd(Runtime &runtime);

} // namespace qv
