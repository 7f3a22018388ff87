// A class's members without a control: the same description the runtime reads for a control of the class.

#include "runtime/builtin/class_table.h"
#include "runtime/core/control_members.h"
#include "runtime/core/late_binding.h"
#include "runtime/modules/installed_modules.h"
#include "runtime/modules/module_problems.h"
#include "runtime/modules/module_resolution.h"
#include <quorvane/control_library.h>
#include <quorvane/installation.h>

#include "manifest/manifest.h"

#include <algorithm>

namespace qv::installation
{

namespace
{
Failure noDescription(const QString &className, const QString &why)
{
    return failure(status::cannotCreateObject, QStringLiteral("%1: %2").arg(className, why));
}
} // namespace

Outcome<std::vector<MemberInfo>> classMembers(const QString &className, const QString &directory)
{
    const QString builtinPrefix = storedText(manifest::runtimeObjectLibrary.name) + QLatin1Char('.');
    if (className.startsWith(builtinPrefix, Qt::CaseInsensitive)) {
        const QString name = className.mid(builtinPrefix.size());
        for (const builtin::ClassEntry &cls : builtin::classTable) {
            if (name.compare(storedText(cls.name), Qt::CaseInsensitive) == 0)
                return qv::classMembers(cls.cls);
        }
    }
    const auto named = [&](const manifest::ClassRecord &c) {
        return className.compare(storedText(c.progId), Qt::CaseInsensitive) == 0;
    };
    const auto classes = manifest::classes();
    const auto found = std::find_if(classes.begin(), classes.end(), named);
    const manifest::ClassRecord *cls = found == classes.end() ? nullptr : &*found;
    if (!cls)
        return noDescription(className, problems::classNotInManifest());
    InstalledModules modules(directory);
    const Resolution resolution = resolveClass(modules, *cls);
    if (!resolution)
        return noDescription(className, resolution.failure().reason);
    const Outcome<ControlLibrary *> library = modules.load(*resolution.value());
    if (!library)
        return noDescription(className, library.failure().explanation());
    // The members every control of a library class has, as a control is given them: a window's, or an
    // invisible control's.
    const QMetaObject &common
        = cls->visible ? WindowedMembers::staticMetaObject : ControlMembers::staticMetaObject;
    return describeMembers(library.value()->description(storedText(cls->clsid)), common);
}

} // namespace qv::installation
