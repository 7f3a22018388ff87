#pragma once
// What can be wrong with the installed modules, and every reason given for it, worded here and nowhere else:
// the lists of quorvane-check and the run-time error of a class that cannot be created read the same
// sentences.

#include "runtime/modules/module_metadata.h"

#include "manifest/manifest.h"
#include <quorvane/installation.h>

#include <QString>
#include <array>

namespace qv
{

struct UnreadableModule;

// A problem of the installed modules, as the installation API reports it.
using installation::ModuleProblem;

// The kinds of problem, as ModuleProblem::kind names them.
namespace problemKind
{
inline constexpr QLatin1StringView missing { "missing" }; // no module provides a library of the manifest
inline constexpr QLatin1StringView unreadable {
    "unreadable"
}; // a module is there; its metadata cannot be read
inline constexpr QLatin1StringView wrongVersion { "wrong version" }; // another type library version
// The module leaves out a class, declares one with another visibility, or another module declares it.
inline constexpr QLatin1StringView wrongClasses { "wrong classes" };
inline constexpr QLatin1StringView extra { "extra" }; // a module the manifest does not ask for
inline constexpr std::array every { missing, unreadable, wrongVersion, wrongClasses, extra };
} // namespace problemKind

namespace problems
{

// A library of the manifest.
ModuleProblem missing(const manifest::LibraryRecord &library, const QString &directory);
ModuleProblem unreadable(const manifest::LibraryRecord &library, const UnreadableModule &file);
// `asked`: the class being created is the one left out, rather than another class of its library.
ModuleProblem classLeftOut(const manifest::LibraryRecord &library, const ModuleInfo &module,
                           const manifest::ClassRecord &cls, bool asked);
ModuleProblem wrongVisibility(const manifest::LibraryRecord &library, const ModuleInfo &module,
                              const manifest::ClassRecord &cls);
ModuleProblem wrongVersion(const manifest::LibraryRecord &library, const ModuleInfo &module);
ModuleProblem declaredElsewhere(const manifest::LibraryRecord &library, const ModuleInfo &declaring);

// A module the manifest does not ask for.
ModuleProblem secondModule(const ModuleInfo &module);
ModuleProblem unknownLibrary(const ModuleInfo &module);
ModuleProblem strayFile(const UnreadableModule &file);

// A class the manifest does not hold, or a class whose library it does not hold.
QString classNotInManifest();
QString libraryNotInManifest(std::string_view libraryFile);

// Reading a module's metadata.
QString pluginOfAnotherKind(const QString &iid, const QString &expected);
// A control library module built for another version of the runtime's module interface.
QString interfaceOfAnotherVersion(const QString &found, const QString &needed);
QString metadataIncomplete();

// A module file or the module folder that others than its owner may write to.
QString writableByOthers(const QString &path, unsigned mode, bool isFolder);

// Loading a module and making an instance.
QString loadFailed(const QString &path, const QString &loaderError);
QString notAControlLibrary(const QString &path, const QString &iid);
QString noInstance(const QString &path, const QString &moduleError);
QString wrongWindowKind(const QString &path, bool madeWindow, bool classVisible);
// A class whose description has a member no program could use: reason says which and why.
QString undrivableClass(const QString &path, const QString &progId, const QString &reason);

} // namespace problems

} // namespace qv
