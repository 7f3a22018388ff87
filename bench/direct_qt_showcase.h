#pragma once
// The benchmark's anchors for the showcase window: the same controls as plain Qt widgets of the nearest
// standard class, at the same places, made two ways a Qt developer would use instead of a forms runtime:
// directly in code (the floor), and by QUiLoader from an equivalent .ui description.

#include <quorvane/form_description.h>

#include <QByteArray>
#include <QWidget>
#include <memory>

namespace qv::bench
{

// The window with every visible control as a standard Qt widget (and a plain QObject for each invisible one),
// made directly.
std::unique_ptr<QWidget> makeDirectly(const FormDescription &form);

// The same window as a Qt Designer .ui document.
QByteArray uiDescription(const FormDescription &form);

// The window made from a .ui document by QUiLoader, with the classes UiTools does not know (tool and status
// bars, the chart view) made as the direct window makes them.
std::unique_ptr<QWidget> loadWithUiLoader(const QByteArray &ui);

} // namespace qv::bench
