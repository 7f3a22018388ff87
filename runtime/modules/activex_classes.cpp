#include "runtime/modules/activex_classes.h"
#include "runtime/core/module_code_watch.h"
#include "runtime/modules/installed_modules.h"
#include <quorvane/form_description.h>

#include <quorvane/control_library.h>

#include <QWidget>

namespace qv
{

const Resolution &ActiveXClasses::resolved(const manifest::ClassRecord &cls)
{
    auto found = resolved_.find(&cls);
    if (found == resolved_.end())
        found = resolved_.emplace(&cls, resolveClass(modules_, cls, catalog_)).first;
    return found->second;
}

Outcome<MadeObject> ActiveXClasses::make(const ControlRecord &record, const MakeSite &site)
{
    CreationFailure failure {
        storedText(record.name), storedText(std::get<ProgId>(record.cls).text), {}, {}, {}
    };
    const auto refused = [&](QString reason) {
        failure.reason = std::move(reason);
        return cannotCreate(failure);
    };

    const manifest::ClassRecord *cls = catalog_.findClass(std::get<ProgId>(record.cls).text);
    if (!cls)
        return refused(problems::classNotInManifest());
    failure.clsid = storedText(cls->clsid);
    failure.libraryFile = storedText(cls->libraryFile);

    const Resolution &resolution = resolved(*cls);
    if (!resolution)
        return refused(resolution.failure().reason);
    const ModuleInfo &module = *resolution.value();

    ControlLibrary::Creation made;
    ControlLibrary *library = nullptr;
    {
        const ModuleCodeWatch watch(module.path, failure.className);
        const Outcome<ControlLibrary *> loaded = modules_.load(module);
        if (!loaded)
            return refused(loaded.failure().explanation());
        library = loaded.value();
        made = library->create(failure.clsid, record.settings, site.container);
    }
    if (!made.object)
        return refused(problems::noInstance(module.path, made.error));
    const bool madeWindow = qobject_cast<QWidget *>(made.object) != nullptr;
    if (cls->visible != madeWindow) {
        delete made.object;
        return refused(problems::wrongWindowKind(module.path, madeWindow, cls->visible));
    }
    // The class's own members are the module's to make, when a program first reaches them.
    return MadeObject { made.object, failure.className, nullptr,
                        [library, clsid = failure.clsid](QObject &instance) {
                            return library->members(clsid, instance);
                        } };
}

} // namespace qv
