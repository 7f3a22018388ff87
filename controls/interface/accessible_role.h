#pragma once
// How assistive technology presents a control whose widget is of another kind than what it stands for: a
// frame of buttons that is a tool bar, a plain area that is a chart, a label that is a picture. A control
// library module (or the runtime, for its built-in classes) marks such a widget; the forms runtime presents
// every marked widget of its windows in that role. Widgets whose own kind already says what they are (a tree,
// a slider, a list) need no mark. Header-only: the runtime reads the mark without linking this folder.

#include <QAccessible>
#include <QWidget>

namespace qv
{

inline constexpr char accessibleRoleProperty[] = "quorvaneAccessibleRole";

inline void presentAs(QWidget &widget, QAccessible::Role role)
{
    widget.setProperty(accessibleRoleProperty, static_cast<int>(role));
}

} // namespace qv
