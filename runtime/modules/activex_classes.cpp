#include "runtime/modules/activex_classes.h"
#include "runtime/core/stored_text.h"
#include "runtime/modules/installed_modules.h"
#include "runtime/modules/module_code_watch.h"
#include "runtime/modules/module_resolution.h"

#include "controls/interface/control_library.h"

#include <QWidget>

namespace qv
{

Outcome<MadeObject> ActiveXClasses::make(const ControlRecord &record, const MakeSite &site)
{
    CreationFailure failure {
        storedText(record.name), storedText(std::get<ProgId>(record.cls).text), {}, {}, {}
    };
    const auto refused = [&](QString reason) {
        failure.reason = std::move(reason);
        return qv::failure(
            status::cannotCreateObject,
            QStringLiteral("%1: %2 could not be created.").arg(failure.controlName, failure.className),
            failure);
    };

    const manifest::ClassRecord *cls = catalog_.findClass(std::get<ProgId>(record.cls).text);
    if (!cls)
        return refused(problems::classNotInManifest());
    failure.clsid = storedText(cls->clsid);
    failure.libraryFile = storedText(cls->libraryFile);

    Resolution resolved = resolveClass(modules_, *cls, catalog_);
    if (const auto *problem = std::get_if<ModuleProblem>(&resolved))
        return refused(problem->reason);
    const ModuleInfo &module = *std::get<const ModuleInfo *>(resolved);

    ControlLibrary::Creation made;
    {
        const ModuleCodeWatch watch(module.path, failure.className);
        std::variant<ControlLibrary *, QString> loaded = modules_.load(module);
        if (const auto *reason = std::get_if<QString>(&loaded))
            return refused(*reason);
        made = std::get<ControlLibrary *>(loaded)->create(failure.clsid, record.settings, site.container);
    }
    if (!made.object)
        return refused(problems::noInstance(module.path, made.error));
    const bool madeWindow = qobject_cast<QWidget *>(made.object) != nullptr;
    if (cls->visible != madeWindow) {
        delete made.object;
        return refused(problems::wrongWindowKind(module.path, madeWindow, cls->visible));
    }
    return MadeObject { made.object, failure.className };
}

} // namespace qv
