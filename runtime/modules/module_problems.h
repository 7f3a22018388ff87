#pragma once
// What can be wrong with the installed modules, and every reason given for it, worded here and nowhere else:
// the lists of quorvane-check and the run-time error of a class that cannot be created read the same
// sentences.

#include "runtime/modules/module_metadata.h"

#include "manifest/manifest.h"

#include <QString>

namespace qv
{

struct UnreadableModule;

struct ModuleProblem {
    enum class Kind {
        Missing, // no module provides a library of the manifest
        Unreadable, // a module file is there, but its metadata cannot be read
        WrongVersion, // the module's type library version is not the manifest's
        WrongClasses, // the module leaves out a class, declares one with another visibility, or another
                      // module declares it
        Extra, // a module the manifest does not ask for
    };
    Kind kind = Kind::Missing;
    QString libraryFile; // the manifest's library; for an extra module, the library its metadata names
    QString path; // the module file, or where it was looked for
    QString reason; // a sentence naming the module file and what is wrong with it
};

// A short name for the kind: "missing", "unreadable", "wrong version", "wrong classes", "extra".
QString kindName(ModuleProblem::Kind kind);

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
QString metadataIncomplete();

// A module file or the module folder that others than its owner may write to.
QString writableByOthers(const QString &path, unsigned mode, bool isFolder);

// Loading a module and making an instance.
QString loadFailed(const QString &path, const QString &loaderError);
QString notAControlLibrary(const QString &path, const QString &iid);
QString noInstance(const QString &path, const QString &moduleError);
QString wrongWindowKind(const QString &path, bool madeWindow, bool classVisible);

} // namespace problems

} // namespace qv
