#include "runtime/start/standard_runtime.h"

namespace qv
{

StandardRuntime::StandardRuntime(Host &host, QString moduleDirectory, const manifest::Catalog &catalog)
    : Runtime(host)
    , modules_(std::move(moduleDirectory))
    , activeX_(modules_, catalog)
{
    idleRead_.setSingleShot(true);
    QObject::connect(&idleRead_, &QTimer::timeout, [this] { (void)modules_.modules(); });
}

void StandardRuntime::readModulesWhenIdle()
{
    idleRead_.start(0);
}

StandardRuntime::~StandardRuntime()
{
    // The forms' controls were made by the modules: they go while the modules are still known.
    unloadForms();
}

Outcome<MadeObject> StandardRuntime::make(const ControlRecord &record, const MakeSite &site)
{
    if (isActiveX(record.cls))
        return activeX_.make(record, site);
    return builtin_.make(record, site);
}

} // namespace qv
