// The timer: a control without a window. Its plain object is a child of the container, so it goes with the
// window; it holds the timer, which runs only for a stored interval above 0.

#include "builtin_makers.h"

#include <QTimer>
#include <QWidget>

namespace qv
{

QObject *makeTimer(const ControlRecord &record, QWidget &container)
{
    auto *object = new QObject(&container);
    auto *timer = new QTimer(object);
    timer->setInterval(record.interval);
    if (record.interval > 0)
        timer->start();
    return object;
}

} // namespace qv
