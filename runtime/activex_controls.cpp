#include "activex_controls.h"
#include "control_modules.h"
#include "form.h"
#include "placement.h"
#include "runtime.h"
#include "runtime/stored_text.h"

#include "manifest/manifest.h"

#include <QFileInfo>

namespace qv
{

namespace
{

QString versionText(const manifest::Version &v)
{
    return QStringLiteral("%1.%2").arg(v.major).arg(v.minor);
}

// Finds the module for a class, or says why there is none that will do.
const ModuleInfo *findModule(ControlModules &modules, const manifest::ClassRecord &cls, QString &reason)
{
    const QString clsid = storedText(cls.clsid);
    const QString libraryFile = storedText(cls.libraryFile);
    const ModuleInfo *module = modules.declaring(clsid);
    if (!module) {
        const QString expected = ControlModules::moduleFileName(libraryFile);
        if (const UnreadableModule *bad = modules.unreadableFile(expected))
            reason = QStringLiteral("the module %1 is not a loadable control library: %2")
                         .arg(bad->path, bad->reason);
        else if (const ModuleInfo *library = modules.forLibrary(libraryFile))
            reason = QStringLiteral("the installed module %1 does not provide the class").arg(library->path);
        else
            reason
                = QStringLiteral("no installed module declares the class (not installed or not registered): "
                                 "%1 is missing from %2")
                      .arg(expected, modules.directory());
        return nullptr;
    }
    if (module->libraryFile.compare(libraryFile, Qt::CaseInsensitive) != 0) {
        reason = QStringLiteral("the class is declared by %1 for library file %2, not %3")
                     .arg(module->path, module->libraryFile, libraryFile);
        return nullptr;
    }
    // A module that leaves out any class of its library is a broken installation: it is reported at the
    // library's first use, not at whichever of its classes happens to be created later.
    for (const manifest::ClassRecord *sibling : manifest::classesOf(cls.libraryFile)) {
        if (!module->findClass(storedText(sibling->clsid))) {
            reason = QStringLiteral("the installed module %1 leaves out %2 %3, a class of its library")
                         .arg(module->path, storedText(sibling->progId), storedText(sibling->clsid));
            return nullptr;
        }
    }
    const manifest::LibraryRecord *library = manifest::findLibrary(cls.libraryFile);
    if (library && library->version && module->version != versionText(*library->version)) {
        reason
            = QStringLiteral("the module %1 has type library version %2, the program needs %3")
                  .arg(module->path, module->version.isEmpty() ? QStringLiteral("(none)") : module->version,
                       versionText(*library->version));
        return nullptr;
    }
    if (module->findClass(clsid)->visible != cls.visible) {
        reason = QStringLiteral("the module %1 declares the class %2, the program needs it %3")
                     .arg(module->path, cls.visible ? QStringLiteral("invisible") : QStringLiteral("visible"),
                          cls.visible ? QStringLiteral("visible") : QStringLiteral("invisible"));
        return nullptr;
    }
    return module;
}
} // namespace

Status createActiveXControl(Form &form, const ControlRecord &record, QWidget &container, ObjRef<Control> &out)
{
    Runtime &runtime = form.runtime();
    CreationFailure failure { storedText(record.name), storedText(record.cls.progId), {}, {}, {} };
    const auto fail = [&](QString reason) {
        failure.reason = std::move(reason);
        return runtime.fail(
            status::cannotCreateObject,
            QStringLiteral("%1: %2 could not be created.").arg(failure.controlName, failure.className),
            failure);
    };

    const manifest::ClassRecord *cls = manifest::findClass(record.cls.progId);
    if (!cls)
        return fail(QStringLiteral("the class is not in the control manifest"));
    failure.clsid = storedText(cls->clsid);
    failure.libraryFile = storedText(cls->libraryFile);

    ControlModules &modules = runtime.controlModules();
    QString reason;
    const ModuleInfo *module = findModule(modules, *cls, reason);
    if (!module)
        return fail(reason);
    ControlLibrary *library = modules.load(*module, reason);
    if (!library)
        return fail(reason);

    ControlLibrary::Creation made = library->create(failure.clsid, record.settings, container);
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
    made.object->setObjectName(failure.controlName);
    if (widget)
        widget->setGeometry(placement(record, container, runtime.scale()));
    out = ObjRef<Control>(new Control(form, record, made.object));
    return status::ok;
}

} // namespace qv
