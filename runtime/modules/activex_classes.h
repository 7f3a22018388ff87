#pragma once
// The maker of ActiveX classes: programmatic identifier, then the manifest's entry, then the installed module
// that makes the class, then the instance made by that module from the record's stored-settings block.

#include "runtime/core/control_maker.h"

namespace qv
{

class InstalledModules;

class ActiveXClasses final : public ControlMaker
{
public:
    explicit ActiveXClasses(InstalledModules &modules)
        : modules_(modules)
    {
    }
    // The record's class must be an ActiveX one.
    Outcome<MadeObject> make(const ControlRecord &record, const MakeSite &site) override;

private:
    InstalledModules &modules_;
};

} // namespace qv
