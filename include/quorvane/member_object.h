#pragma once
// The base of the object that describes and carries a control's members: a QObject whose meta-object is the
// class's one description (Q_PROPERTY, Q_INVOKABLE, signals for events, Q_ENUM). The runtime's late-bound
// calls read it; a setter or a method that cannot do what it is asked refuses, and the call that reached it
// fails with that reason and leaves the control as it was.
//
// The class lives in this header alone, with no meta-object of its own: a control library module derives its
// classes' members from it without linking the runtime, and the runtime reads them through their own
// meta-objects, whichever side of the module boundary made them.

#include <quorvane/outcome.h>

#include <QObject>
#include <limits>
#include <optional>
#include <utility>

namespace qv
{

// An argument a program left out, as a method's optional parameter defaults to it: the value the method keeps
// as it is ("AddItem(Item, Index = keep)"), for a whole number and for a Single.
inline constexpr int keep = std::numeric_limits<int>::min();
inline constexpr float omitted = std::numeric_limits<float>::quiet_NaN();

class MemberObject : public QObject
{
public:
    using QObject::QObject;

    // Said by a setter or a method that leaves everything as it was: the status and why ("the value is 0 to
    // 100"). The runtime adds whose member and which value.
    void refuse(Status status, QString reason) { refusal_ = failure(status, std::move(reason)); }
    void refuse(Failure why) { refusal_ = std::move(why); }
    std::optional<Failure> takeRefusal() { return std::exchange(refusal_, std::nullopt); }

private:
    std::optional<Failure> refusal_;
};

} // namespace qv
