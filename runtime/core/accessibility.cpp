#include "runtime/core/accessibility.h"
#include <quorvane/accessible_role.h>

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
// Qt names these kinds by their caption. Any other kind with a name from Qt has it from its current item (a
// combo box, a tab strip), which changes as the user chooses and says nothing of the control.
bool namedByCaption(QAccessible::Role role)
{
    switch (role) {
    case QAccessible::Button:
    case QAccessible::CheckBox:
    case QAccessible::RadioButton:
    case QAccessible::StaticText:
    case QAccessible::Grouping:
        return true;
    default:
        return false;
    }
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
    if (!face || !namedByCaption(face->role()) || face->text(QAccessible::Name).isEmpty())
        widget.setAccessibleName(controlName);
}

} // namespace qv
