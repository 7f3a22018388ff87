#include "growth_runtime.h"

#include "runtime/core/stored_text.h"
#include "runtime/modules/module_code_watch.h"

#include "controls/interface/control_library.h"

#include <growth_catalog.h>

#include <QWidget>

namespace qv::bench
{

namespace
{
const GrowthClass *listed(std::string_view progId)
{
    for (const GrowthModule &module : growthModules) {
        for (const GrowthClass &cls : module.classes) {
            if (cls.progId == progId)
                return &cls;
        }
    }
    return nullptr;
}
} // namespace

GrowthRuntime::GrowthRuntime(Host &host, QString moduleDirectory)
    : Runtime(host)
    , modules_(std::move(moduleDirectory))
{
}

GrowthRuntime::~GrowthRuntime()
{
    // The controls were made by the modules: they go while the modules are still known.
    unloadForms();
}

// The runtime's own ActiveX maker step for step, with the list's entry for the class where that maker reads
// the manifest's. Its check of a whole library against the manifest (every class there, the version) has
// nothing to check against here and is left out.
Outcome<MadeObject> GrowthRuntime::make(const ControlRecord &record, const MakeSite &site)
{
    const auto *progId = std::get_if<ProgId>(&record.cls);
    const QString className = storedText(progId ? progId->text : record.name);
    const auto refused = [&](const QString &reason) {
        return failure(status::cannotCreateObject, QStringLiteral("%1: %2").arg(className, reason));
    };
    const GrowthClass *cls = progId ? listed(progId->text) : nullptr;
    if (!cls)
        return refused(QStringLiteral("not a class of the benchmark's modules"));
    const QString clsid = storedText(cls->clsid);
    const ModuleInfo *module = modules_.declaring(clsid);
    if (!module)
        return refused(QStringLiteral("no module in %1 declares it").arg(modules_.directory()));
    if (module->findClass(clsid)->visible != cls->visible)
        return refused(QStringLiteral("%1 declares it with the other visibility").arg(module->path));

    ControlLibrary::Creation made;
    {
        const ModuleCodeWatch watch(module->path, className);
        std::variant<ControlLibrary *, QString> loaded = modules_.load(*module);
        if (const auto *reason = std::get_if<QString>(&loaded))
            return refused(*reason);
        made = std::get<ControlLibrary *>(loaded)->create(clsid, record.settings, site.container);
    }
    if (!made.object)
        return refused(made.error);
    if ((qobject_cast<QWidget *>(made.object) != nullptr) != cls->visible) {
        delete made.object;
        return refused(QStringLiteral("made the wrong kind of object"));
    }
    return MadeObject { made.object, className };
}

} // namespace qv::bench
