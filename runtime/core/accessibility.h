#pragma once
// What a screen reader learns of a form's window and its controls: a name for every control, and the role a
// control library or the runtime marked on a widget (controls/interface/accessible_role.h).

#include <QString>

class QWidget;

namespace qv
{

// Presents marked widgets in their role, from now on, in the whole process. Idempotent.
void presentMarkedRoles();

// A control is known by the name Qt gives its kind where there is one (a button's or a label's caption, a
// combo box's text, a tab strip's chosen tab), else by its control name.
void nameForAssistiveTechnology(QWidget &widget, const QString &controlName);

} // namespace qv
