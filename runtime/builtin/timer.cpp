// The timer: a control without a window. Its plain object is a child of the container, so it goes with the
// window; it holds the timer, which runs only for an interval above 0.

#include "runtime/builtin/makers.h"

#include <QTimer>
#include <QWidget>

namespace qv::builtin
{

// Its interval is a stored value, written through its members once it is made; until then it does not run.
Outcome<QObject *> makeTimer(const ControlRecord &, const MakeSite &site)
{
    auto *object = new QObject(&site.container);
    new QTimer(object);
    return object;
}

} // namespace qv::builtin
