#pragma once
// The forms runtime as programs use it: the object model, with the classes built into it and the classes of
// the control library modules installed in one folder.

#include "runtime/builtin/builtin_classes.h"
#include "runtime/core/runtime.h"
#include "runtime/modules/activex_classes.h"
#include "runtime/modules/installed_modules.h"

#include <QTimer>

namespace qv
{

class StandardRuntime final : public Runtime, private ControlMaker
{
public:
    // Control library modules are looked for in moduleDirectory; the program passes its own, beside it. The
    // classes made by modules are the catalog's: the program's manifest, or a benchmark's own.
    explicit StandardRuntime(Host &host, QString moduleDirectory = InstalledModules::besideRuntime(),
                             const manifest::Catalog &catalog = manifest::program);
    ~StandardRuntime() override;

    ControlMaker &controlMaker() override { return *this; }
    InstalledModules &modules() { return modules_; }
    // Once the program waits for its user (its first window up), the installed modules' metadata is read, so
    // that a form's first load does not wait for it. No module's code runs; what was found is reported when a
    // form first needs a module, as ever.
    void readModulesWhenIdle();

private:
    Outcome<MadeObject> make(const ControlRecord &record, const MakeSite &site) override;

    InstalledModules modules_;
    QTimer idleRead_;
    builtin::BuiltinClasses builtin_;
    ActiveXClasses activeX_;
};

} // namespace qv
