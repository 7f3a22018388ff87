#include "runtime/core/accessibility.h"
#include "controls/interface/accessible_role.h"

#include <QAbstractButton>
#include <QAccessibleWidget>
#include <QGroupBox>
#include <QLabel>
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
// Qt names these by their caption. Asking Qt for the name instead would make an accessible object for every
// control of every load, screen reader or not.
bool showsCaption(const QWidget &widget)
{
    if (const auto *button = qobject_cast<const QAbstractButton *>(&widget))
        return !button->text().isEmpty();
    if (const auto *label = qobject_cast<const QLabel *>(&widget))
        return !label->text().isEmpty();
    if (const auto *frame = qobject_cast<const QGroupBox *>(&widget))
        return !frame->title().isEmpty();
    return false;
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
    if (widget.accessibleName().isEmpty() && !showsCaption(widget))
        widget.setAccessibleName(controlName);
}

} // namespace qv
