#include "runtime/modules/module_resolution.h"
#include "runtime/modules/installed_modules.h"
#include <quorvane/form_description.h>

namespace qv
{

namespace
{
// `asked`: the class being created, if any, so that a module leaving out that very class says so.
Resolution checkLibrary(InstalledModules &modules, const manifest::LibraryRecord &library,
                        const manifest::ClassRecord *asked, const manifest::Catalog &catalog)
{
    const QString libraryFile = storedText(library.file);
    const ModuleInfo *module = modules.forLibrary(libraryFile);
    if (!module) {
        if (const UnreadableModule *bad
            = modules.unreadableFile(InstalledModules::moduleFileName(libraryFile)))
            return problems::unreadable(library, *bad);
        return problems::missing(library, modules.directory());
    }
    // A module that leaves out any class of its library is a broken installation, whichever class is asked
    // for first.
    for (const manifest::ClassRecord *cls : catalog.classesOf(library.file)) {
        const ModuleClass *declared = module->findClass(storedText(cls->clsid));
        if (!declared)
            return problems::classLeftOut(library, *module, *cls, cls == asked);
        if (declared->visible != cls->visible)
            return problems::wrongVisibility(library, *module, *cls);
    }
    if (library.version && module->version != versionText(*library.version))
        return problems::wrongVersion(library, *module);
    return module;
}
} // namespace

Resolution resolveLibrary(InstalledModules &modules, const manifest::LibraryRecord &library,
                          const manifest::Catalog &catalog)
{
    return checkLibrary(modules, library, nullptr, catalog);
}

Resolution resolveClass(InstalledModules &modules, const manifest::ClassRecord &cls,
                        const manifest::Catalog &catalog)
{
    const manifest::LibraryRecord *library = catalog.findLibrary(cls.libraryFile);
    if (!library)
        return ModuleProblem { problemKind::missing,
                               storedText(cls.libraryFile),
                               {},
                               problems::libraryNotInManifest(cls.libraryFile) };
    Resolution resolved = checkLibrary(modules, *library, &cls, catalog);
    if (!resolved)
        return resolved;
    // Another module may declare the class too; the one found by the class's identity is the one loaded.
    const ModuleInfo *declaring = modules.declaring(storedText(cls.clsid));
    if (declaring != resolved.value())
        return problems::declaredElsewhere(*library, *declaring);
    return resolved;
}

} // namespace qv
