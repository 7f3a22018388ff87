#include "runtime/builtin/timer_members.h"

#include <QTimer>

namespace qv::builtin
{

TimerMembers::TimerMembers(QObject &object, const ControlRecord &record)
    : ControlMembers(object, record)
{
    connect(&timer(), &QTimer::timeout, this, &TimerMembers::Timer);
}

QTimer &TimerMembers::timer() const
{
    return *object()->findChild<QTimer *>(QString(), Qt::FindDirectChildrenOnly);
}

int TimerMembers::interval() const
{
    return timer().interval();
}

void TimerMembers::setInterval(int milliseconds)
{
    if (milliseconds < 0 || milliseconds > 65535)
        return refuse(status::invalidPropertyValue, QStringLiteral("an interval is 0 to 65535 milliseconds"));
    timer().setInterval(milliseconds);
    restart();
}

void TimerMembers::setEnabled(bool enabled)
{
    enabled_ = enabled;
    restart();
}

void TimerMembers::restart()
{
    // A timer runs while it is enabled and has an interval above 0; a change starts its count anew.
    if (enabled_ && timer().interval() > 0)
        timer().start();
    else
        timer().stop();
}

} // namespace qv::builtin
