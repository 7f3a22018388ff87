#pragma once
// The installed control library modules set against the control manifest, from their metadata alone:
// nothing is loaded. The showcase load asks it for the module of each class it creates; quorvane-check
// asks it for every problem of the installation at once, before it creates anything.

#include "runtime/modules/installed_modules.h"

#include "manifest/manifest.h"

#include <QString>
#include <vector>

namespace qv
{

struct ModuleProblem {
    enum class Kind {
        Missing, // no module provides a library of the manifest
        Unreadable, // a module file is there, but its metadata cannot be read
        WrongVersion, // the module's type library version is not the manifest's
        WrongClasses, // the module leaves out a class of its library, or declares one with another visibility
        Extra, // a module the manifest does not ask for
    };
    Kind kind = Kind::Missing;
    QString libraryFile; // the manifest's library; for an extra module, the library its metadata names
    QString path; // the module file, or where it was looked for
    QString reason; // a sentence naming the module file and what is wrong with it
    const manifest::ClassRecord *missingClass = nullptr; // for WrongClasses: the class left out, if any
};

// A type library version as module metadata writes it: "2.1".
QString versionText(const manifest::Version &v);

// A short name for the kind: "missing", "unreadable", "wrong version", "wrong classes", "extra".
QString kindName(ModuleProblem::Kind kind);

// The installed module of a library of the manifest, checked: present, readable, of the manifest's version,
// declaring every class of the library with its visibility. Null, with the problem, when it will not do.
const ModuleInfo *checkedModule(InstalledModules &modules, const manifest::LibraryRecord &library,
                                ModuleProblem &problem);

// Every problem of the installation, one entry each: the manifest's libraries in table order, then the
// modules the manifest does not ask for. Empty when the installation is exactly the manifest.
std::vector<ModuleProblem> compareWithManifest(InstalledModules &modules);

} // namespace qv
