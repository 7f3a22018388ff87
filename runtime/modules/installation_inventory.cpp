#include "runtime/modules/installation_inventory.h"
#include "runtime/modules/installed_modules.h"
#include "runtime/modules/module_resolution.h"

#include <set>

namespace qv
{

std::vector<ModuleProblem> compareWithManifest(InstalledModules &modules)
{
    std::vector<ModuleProblem> found;
    std::set<QString> accounted; // module files that stand for, or fail to stand for, a library
    for (const manifest::LibraryRecord &library : manifest::libraries()) {
        Resolution resolved = resolveLibrary(modules, library);
        if (resolved) {
            accounted.insert(resolved.value()->path);
            continue;
        }
        if (resolved.failure().kind != problemKind::missing)
            accounted.insert(resolved.failure().path);
        found.push_back(std::move(resolved).failure());
    }
    for (const ModuleInfo &module : modules.modules()) {
        if (accounted.count(module.path))
            continue;
        const bool known = manifest::findLibrary(module.libraryFile.toUpper().toStdString()) != nullptr;
        found.push_back(known ? problems::secondModule(module) : problems::unknownLibrary(module));
    }
    for (const UnreadableModule &bad : modules.unreadable()) {
        if (!accounted.count(bad.path))
            found.push_back(problems::strayFile(bad));
    }
    return found;
}

} // namespace qv
