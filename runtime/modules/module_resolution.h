#pragma once
// Which installed module makes a library or a class of the control manifest, or what is wrong: the one
// answer that both a form's load and quorvane-check's list of problems read. From metadata alone: nothing is
// loaded.

#include "runtime/modules/module_problems.h"

#include "manifest/manifest.h"

#include <quorvane/outcome.h>

namespace qv
{

class InstalledModules;

// The module, or the problem that keeps it from making the library's classes.
using Resolution = Outcome<const ModuleInfo *, ModuleProblem>;

// The library's module, checked: present, readable, declaring every class the catalog gives the library, with
// its visibility, of the catalog's version.
Resolution resolveLibrary(InstalledModules &modules, const manifest::LibraryRecord &library,
                          const manifest::Catalog &catalog = manifest::program);

// The module that makes the class: its library's module, provided that module is also the one the class's
// identity is found in.
Resolution resolveClass(InstalledModules &modules, const manifest::ClassRecord &cls,
                        const manifest::Catalog &catalog = manifest::program);

} // namespace qv
