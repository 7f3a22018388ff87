#include "runtime/builtin/builtin_classes.h"
#include "runtime/builtin/class_table.h"

#include <QWidget>

namespace qv::builtin
{

Outcome<MadeObject> BuiltinClasses::make(const ControlRecord &record, const MakeSite &site)
{
    const QString name = storedText(record.name);
    const BuiltinClass cls = std::get<BuiltinClass>(record.cls);
    if (!isBuiltinClass(cls))
        return cannotCreate(CreationFailure { name,
                                              QString::number(static_cast<int>(cls)),
                                              {},
                                              {},
                                              QStringLiteral("it is not a class of the runtime") });
    const ClassEntry &entry = entryOf(cls);
    const QString className = storedText(entry.name);
    const auto refused = [&](QString reason) {
        return cannotCreate(CreationFailure { name, className, {}, {}, std::move(reason) });
    };

    Outcome<QObject *> made = entry.make(record, site);
    if (!made)
        return refused(made.failure().explanation());
    QObject *object = made.value();
    if ((qobject_cast<QWidget *>(object) != nullptr) != (entry.window == Window::Has)) {
        delete object;
        return refused(
            QStringLiteral("its maker gave %1")
                .arg(entry.window == Window::Has ? QStringLiteral("no window") : QStringLiteral("a window")));
    }
    return MadeObject { object, className, entry.members.make, {} };
}

} // namespace qv::builtin
