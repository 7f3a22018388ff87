#pragma once
// The object that describes and carries a control's members: a QObject whose meta-object is the class's one
// description (Q_PROPERTY, Q_INVOKABLE, signals for events, Q_ENUM). The late-bound calls read it; a setter
// or a method that cannot do what it is asked refuses, and the call that reached it fails with that reason.

#include <quorvane/outcome.h>

#include <QObject>
#include <optional>

namespace qv
{

class MemberObject : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;

    // Said by a setter or a method that leaves everything as it was: the status and why.
    void refuse(Status status, QString reason) { refusal_ = failure(status, std::move(reason)); }
    std::optional<Failure> takeRefusal() { return std::exchange(refusal_, std::nullopt); }

private:
    std::optional<Failure> refusal_;
};

} // namespace qv
