#pragma once
// What tests steer and read in a running runtime, apart from everything a program does: a fault injected
// into any form or control operation, and the counts of controls made and alive. A program never sets an
// injector; the counts cost an increment.

#include <quorvane/outcome.h>

#include <functional>
#include <optional>
#include <string_view>

namespace qv
{

class ComObject;

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

} // namespace qv
