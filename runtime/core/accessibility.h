#pragma once
// What a screen reader learns of a form's window and its controls: a name for every control, and the role a
// control library or the runtime marked on a widget (controls/interface/accessible_role.h).

#include <QString>

class QWidget;

namespace qv
{

// Presents marked widgets in their role, from now on, in the whole process. Idempotent.
void presentMarkedRoles();

// A control is known by its caption where it shows one (a button, a label, a frame), else by its control
// name. (Qt on Linux names a combo box by its text and a tab strip by its chosen tab whatever is set.)
void nameForAssistiveTechnology(QWidget &widget, const QString &controlName);

} // namespace qv
