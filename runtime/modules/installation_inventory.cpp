#include "runtime/modules/installation_inventory.h"
#include "runtime/core/stored_text.h"

#include <QFileInfo>
#include <set>

namespace qv
{

QString versionText(const manifest::Version &v)
{
    return QStringLiteral("%1.%2").arg(v.major).arg(v.minor);
}

namespace
{
ModuleProblem problemOf(ModuleProblem::Kind kind, const manifest::LibraryRecord &library, QString path,
                        QString reason)
{
    return { kind, storedText(library.file), std::move(path), std::move(reason), nullptr };
}
} // namespace

QString kindName(ModuleProblem::Kind kind)
{
    switch (kind) {
    case ModuleProblem::Kind::Missing:
        return QStringLiteral("missing");
    case ModuleProblem::Kind::Unreadable:
        return QStringLiteral("unreadable");
    case ModuleProblem::Kind::WrongVersion:
        return QStringLiteral("wrong version");
    case ModuleProblem::Kind::WrongClasses:
        return QStringLiteral("wrong classes");
    case ModuleProblem::Kind::Extra:
        return QStringLiteral("extra");
    }
    return {};
}

const ModuleInfo *checkedModule(InstalledModules &modules, const manifest::LibraryRecord &library,
                                ModuleProblem &problem)
{
    using Kind = ModuleProblem::Kind;
    const QString libraryFile = storedText(library.file);
    const QString expected = InstalledModules::moduleFileName(libraryFile);
    const ModuleInfo *module = modules.forLibrary(libraryFile);
    if (!module) {
        if (const UnreadableModule *bad = modules.unreadableFile(expected))
            problem = problemOf(Kind::Unreadable, library, bad->path,
                                QStringLiteral("the module %1 is not a loadable control library: %2")
                                    .arg(bad->path, bad->reason));
        else
            problem = problemOf(
                Kind::Missing, library, modules.directory() + QLatin1Char('/') + expected,
                QStringLiteral("no installed module provides the library (not installed or not registered): "
                               "%1 is missing from %2")
                    .arg(expected, modules.directory()));
        return nullptr;
    }
    // A module that leaves out any class of its library is a broken installation, whichever class is asked
    // for first.
    for (const manifest::ClassRecord *cls : manifest::classesOf(library.file)) {
        const ModuleClass *declared = module->findClass(storedText(cls->clsid));
        if (!declared) {
            problem
                = problemOf(Kind::WrongClasses, library, module->path,
                            QStringLiteral("the installed module %1 leaves out %2 %3, a class of its library")
                                .arg(module->path, storedText(cls->progId), storedText(cls->clsid)));
            problem.missingClass = cls;
            return nullptr;
        }
        if (declared->visible != cls->visible) {
            const auto visibility = [](bool visible) {
                return visible ? QStringLiteral("visible") : QStringLiteral("invisible");
            };
            problem
                = problemOf(Kind::WrongClasses, library, module->path,
                            QStringLiteral("the module %1 declares the class %2 %3, the program needs it %4")
                                .arg(module->path, storedText(cls->progId), visibility(declared->visible),
                                     visibility(cls->visible)));
            return nullptr;
        }
    }
    if (library.version && module->version != versionText(*library.version)) {
        problem = problemOf(Kind::WrongVersion, library, module->path,
                            QStringLiteral("the module %1 has type library version %2, the program needs %3")
                                .arg(module->path,
                                     module->version.isEmpty() ? QStringLiteral("(none)") : module->version,
                                     versionText(*library.version)));
        return nullptr;
    }
    return module;
}

std::vector<ModuleProblem> compareWithManifest(InstalledModules &modules)
{
    std::vector<ModuleProblem> problems;
    std::set<QString> accounted; // module files that stand for, or fail to stand for, a library
    for (const manifest::LibraryRecord &library : manifest::libraries()) {
        ModuleProblem problem;
        if (const ModuleInfo *module = checkedModule(modules, library, problem)) {
            accounted.insert(module->path);
            continue;
        }
        if (problem.kind != ModuleProblem::Kind::Missing)
            accounted.insert(problem.path);
        problems.push_back(std::move(problem));
    }
    for (const ModuleInfo &module : modules.modules()) {
        if (accounted.count(module.path))
            continue;
        const manifest::LibraryRecord *library
            = manifest::findLibrary(module.libraryFile.toUpper().toStdString());
        QString reason = library
            ? QStringLiteral("the module %1 is a second module for %2; the program uses the first")
                  .arg(module.path, module.libraryFile)
            : QStringLiteral("the module %1 declares %2, a library the program does not use")
                  .arg(module.path, module.libraryFile);
        problems.push_back({ ModuleProblem::Kind::Extra, module.libraryFile, module.path, reason, nullptr });
    }
    for (const UnreadableModule &bad : modules.unreadable()) {
        if (accounted.count(bad.path))
            continue;
        problems.push_back(
            { ModuleProblem::Kind::Extra,
              {},
              bad.path,
              QStringLiteral("%1 is not a loadable control library, and not one the program uses: %2")
                  .arg(bad.path, bad.reason),
              nullptr });
    }
    return problems;
}

} // namespace qv
