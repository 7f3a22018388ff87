#pragma once
// An event of a control, as a program binds it by name: the member object's signal, relayed to a handler
// with its arguments as Variants. Arguments the signal passes by reference (KeyAscii, Cancel) are read back
// from the handler's Variants once it returns, so a handler can change or cancel what happens.

#include "runtime/core/late_binding.h"
#include "runtime/core/member_object.h"
#include <quorvane/variant.h>

#include <QMetaMethod>
#include <QObject>
#include <functional>
#include <memory>
#include <span>
#include <utility>

namespace qv
{

class EventRelay final : public QObject
{
public:
    using Deliver = std::function<void(std::span<Variant> arguments)>;

    // Relays the signal of source (one of its events) while both exist; the relay is a child of source. An
    // argument that is an object (the node clicked) reaches the handler as an Object that `objects` makes;
    // without them, as Nothing.
    EventRelay(MemberObject &source, QMetaMethod signal, Deliver deliver,
               std::shared_ptr<const ObjectWrapping> objects = nullptr);

    // The signal of the event named, without regard to case; invalid when the class raises no such event.
    static QMetaMethod eventNamed(const QMetaObject &meta, std::string_view name);
    // The object of the set that raises the event named, with its signal; null when none does.
    static std::pair<MemberObject *, QMetaMethod> eventOf(MemberSet members, std::string_view name);

    // Qt calls this for the connected signal, as it calls a slot: args[1..] point at the signal's arguments.
    int qt_metacall(QMetaObject::Call call, int id, void **args) override;

private:
    void relay(void **args);

    QMetaMethod signal_;
    Deliver deliver_;
    std::shared_ptr<const ObjectWrapping> objects_;
};

} // namespace qv
