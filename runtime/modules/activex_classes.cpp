#include "runtime/modules/activex_classes.h"
#include "runtime/core/stored_text.h"
#include "runtime/modules/installation_inventory.h"
#include "runtime/modules/installed_modules.h"

#include "manifest/manifest.h"

#include <QFileInfo>

namespace qv
{

namespace
{

// Finds the module for a class, or says why there is none that will do.
const ModuleInfo *findModule(InstalledModules &modules, const manifest::ClassRecord &cls, QString &reason)
{
    const manifest::LibraryRecord *library = manifest::findLibrary(cls.libraryFile);
    if (!library) {
        reason = QStringLiteral("its library file %1 is not in the control manifest")
                     .arg(storedText(cls.libraryFile));
        return nullptr;
    }
    ModuleProblem problem;
    const ModuleInfo *module = checkedModule(modules, *library, problem);
    if (!module) {
        reason = problem.missingClass == &cls
            ? QStringLiteral("the installed module %1 does not provide the class").arg(problem.path)
            : problem.reason;
        return nullptr;
    }
    // Another module may declare the class too; the one found by the class's identity is the one loaded.
    const ModuleInfo *declaring = modules.declaring(storedText(cls.clsid));
    if (declaring != module) {
        reason = QStringLiteral("the class is declared by %1 for library file %2, not %3")
                     .arg(declaring->path, declaring->libraryFile, storedText(cls.libraryFile));
        return nullptr;
    }
    return module;
}
} // namespace

Outcome<MadeObject> ActiveXClasses::make(const ControlRecord &record, const MakeSite &site)
{
    CreationFailure failure {
        storedText(record.name), storedText(std::get<ProgId>(record.cls).text), {}, {}, {}
    };
    const auto fail = [&](QString reason) {
        failure.reason = std::move(reason);
        return qv::failure(
            status::cannotCreateObject,
            QStringLiteral("%1: %2 could not be created.").arg(failure.controlName, failure.className),
            failure);
    };

    const manifest::ClassRecord *cls = manifest::findClass(std::get<ProgId>(record.cls).text);
    if (!cls)
        return fail(QStringLiteral("the class is not in the control manifest"));
    failure.clsid = storedText(cls->clsid);
    failure.libraryFile = storedText(cls->libraryFile);

    QString reason;
    const ModuleInfo *module = findModule(modules_, *cls, reason);
    if (!module)
        return fail(reason);
    ControlLibrary *library = modules_.load(*module, reason);
    if (!library)
        return fail(reason);

    ControlLibrary::Creation made = library->create(failure.clsid, record.settings, site.container);
    if (!made.object)
        return fail(QStringLiteral("the module %1 could not make an instance: %2")
                        .arg(QFileInfo(module->path).fileName(), made.error));
    auto *widget = qobject_cast<QWidget *>(made.object);
    if (cls->visible != (widget != nullptr)) {
        delete made.object;
        return fail(QStringLiteral("the module %1 made %2 instance, the class is %3")
                        .arg(QFileInfo(module->path).fileName(),
                             widget ? QStringLiteral("a windowed") : QStringLiteral("a windowless"),
                             cls->visible ? QStringLiteral("visible") : QStringLiteral("invisible")));
    }
    return MadeObject { made.object, failure.className };
}

} // namespace qv
