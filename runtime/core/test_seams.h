#pragma once
// What the tests steer and read in a running runtime, apart from everything a program does: a fault injected
// into any form or control operation, and the counts of controls made and alive. Built only into the static
// runtime the tests link, where QUORVANE_TEST_SEAMS is defined for the few files that consult it (an
// operation's entry, a control's making and end, the runtime's end); the shipped library has none of it.

#ifndef QUORVANE_TEST_SEAMS
#error "test_seams.h belongs to the runtime the tests link, built with QUORVANE_TEST_SEAMS"
#endif

#include <quorvane/outcome.h>

#include <functional>
#include <optional>
#include <string_view>

namespace qv
{

class ComObject;
class Runtime;

// Consulted at the start of every form and control operation; a failing status makes the operation fail as if
// it had failed itself.
using FaultInjector = std::function<Status(const ComObject &object, std::string_view operation)>;

class RuntimeProbe
{
public:
    void setFaultInjector(FaultInjector injector) { injector_ = std::move(injector); }
    std::optional<Failure> injectedFault(const ComObject &object, std::string_view operation) const;

    int liveControls() const { return liveControls_; }
    int controlsCreated() const { return controlsCreated_; } // over the whole run
    void controlCreated()
    {
        ++liveControls_;
        ++controlsCreated_;
    }
    void controlDestroyed() { --liveControls_; }

private:
    FaultInjector injector_;
    int liveControls_ = 0;
    int controlsCreated_ = 0;
};

// The probe of a runtime: made with its first use, gone with the runtime.
RuntimeProbe &probeOf(const Runtime &runtime);
void forgetProbeOf(const Runtime &runtime);

} // namespace qv
