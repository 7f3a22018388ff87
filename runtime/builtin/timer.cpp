// The timer: a control without a window. Its plain object is a child of the container, so it goes with the
// window; it holds the timer, which runs only for a stored interval above 0.

#include "runtime/builtin/makers.h"

#include <QTimer>
#include <QWidget>

namespace qv::builtin
{

Outcome<QObject *> makeTimer(const ControlRecord &record, const MakeSite &site)
{
    auto *object = new QObject(&site.container);
    auto *timer = new QTimer(object);
    timer->setInterval(record.interval);
    if (record.interval > 0)
        timer->start();
    return object;
}

} // namespace qv::builtin
