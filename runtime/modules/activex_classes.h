#pragma once
// The maker of ActiveX classes: programmatic identifier, then the manifest's entry, then the installed module
// that makes the class, then the instance made by that module from the record's stored-settings block.

#include "runtime/core/control_maker.h"
#include "runtime/modules/module_resolution.h"

#include "manifest/manifest.h"

#include <map>

namespace qv
{

class InstalledModules;

class ActiveXClasses final : public ControlMaker
{
public:
    // Classes outside the catalog are refused before any module is looked at.
    explicit ActiveXClasses(InstalledModules &modules, const manifest::Catalog &catalog = manifest::program)
        : modules_(modules)
        , catalog_(catalog)
    {
    }
    // The record's class must be an ActiveX one.
    Outcome<MadeObject> make(const ControlRecord &record, const MakeSite &site) override;

private:
    // A class's module, checked against the catalog once: the installed modules are read once for the run.
    const Resolution &resolved(const manifest::ClassRecord &cls);

    InstalledModules &modules_;
    const manifest::Catalog &catalog_;
    std::map<const manifest::ClassRecord *, Resolution> resolved_;
};

} // namespace qv
