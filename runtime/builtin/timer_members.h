#pragma once
// The members of the timer, a control without a window: its interval, whether it runs, and its Timer event.

#include "runtime/core/control_members.h"

class QTimer;

namespace qv::builtin
{

class TimerMembers final : public ControlMembers
{
    Q_OBJECT
    Q_PROPERTY(int Interval READ interval WRITE setInterval STORED true)
    Q_PROPERTY(bool Enabled READ enabled WRITE setEnabled)
public:
    TimerMembers(QObject &object, const ControlRecord &record);
    int interval() const;
    void setInterval(int milliseconds);
    bool enabled() const { return enabled_; }
    void setEnabled(bool enabled);

signals:
    void Timer();

private:
    QTimer &timer() const;
    void restart();
    bool enabled_ = true;
};

} // namespace qv::builtin
