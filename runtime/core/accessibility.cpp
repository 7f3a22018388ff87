#include "runtime/core/accessibility.h"
#include "controls/interface/accessible_role.h"

#include <QAccessibleWidget>
#include <QWidget>

namespace qv
{

namespace
{
// Qt asks its factories from the last installed on, for the widget's own class first: a marked widget gets
// this interface ahead of the one Qt would give its kind.
QAccessibleInterface *markedRole(const QString &, QObject *object)
{
    auto *widget = qobject_cast<QWidget *>(object);
    if (!widget)
        return nullptr;
    const QVariant role = widget->property(accessibleRoleProperty);
    if (!role.isValid())
        return nullptr;
    return new QAccessibleWidget(widget, static_cast<QAccessible::Role>(role.toInt()));
}
} // namespace

void presentMarkedRoles()
{
    static bool installed = false; // the user-interface thread only
    if (!installed) {
        QAccessible::installFactory(markedRole);
        installed = true;
    }
}

void nameForAssistiveTechnology(QWidget &widget, const QString &controlName)
{
    if (!widget.accessibleName().isEmpty())
        return;
    QAccessibleInterface *face = QAccessible::queryAccessibleInterface(&widget);
    if (!face || face->text(QAccessible::Name).isEmpty())
        widget.setAccessibleName(controlName);
}

} // namespace qv
