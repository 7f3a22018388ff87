#pragma once
// The forms runtime as the module-count benchmark needs it: the runtime's own form load, module folder,
// metadata checks and plugin loader, with the benchmark's list of modules (growth_catalog.h) in the place of
// the program's manifest. The manifest is compiled into the runtime and names only the program's own
// libraries, so the standard runtime refuses any other class by name before it looks at a module.

#include "runtime/core/runtime.h"
#include "runtime/modules/installed_modules.h"

namespace qv::bench
{

class GrowthRuntime final : public Runtime, private ControlMaker
{
public:
    GrowthRuntime(Host &host, QString moduleDirectory);
    ~GrowthRuntime() override;

    ControlMaker &controlMaker() override { return *this; }

private:
    // Every record's class is one of the list's.
    Outcome<MadeObject> make(const ControlRecord &record, const MakeSite &site) override;

    InstalledModules modules_;
};

} // namespace qv::bench
