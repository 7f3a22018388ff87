#pragma once
// What the form load asks of the makers of control classes (the built-in classes and the control library
// modules): the object of one stored record, made inside its container. The load names, places and counts it.

#include "controls/interface/twips.h"
#include "runtime/core/event_sink.h"
#include <quorvane/form_description.h>
#include <quorvane/outcome.h>

#include <QObject>
#include <QString>
#include <functional>

class QWidget;

namespace qv
{

class MemberObject;

struct MakeSite {
    QWidget &container;
    const TwipsScale &scale;
    EventSink &events;
};

// Makes the object that describes and carries a made control's members, when a program first reaches them.
using MembersMaker = MemberObject *(*)(QObject &object, const ControlRecord &record);
// Makes the object of a module's class that carries the class's own members, beside those every control has;
// null when the class has none.
using OwnMembersMaker = std::function<MemberObject *(QObject &object)>;

struct MadeObject {
    // A class with a window: a QWidget child of the container. One without: a plain QObject child of the
    // container, so that it goes with the window.
    QObject *object = nullptr;
    QString className; // as reports show it: "CommandButton", "MSComctlLib.Toolbar"
    // Its class's own members; none: the members every control has.
    MembersMaker members = nullptr;
    // A module's class: its own members, which come first, then those every control has.
    OwnMembersMaker ownMembers;
};

// What a maker returns for a record it could not make: the runtime's one sentence for it, with everything a
// person needs to find the fault.
inline Failure cannotCreate(CreationFailure what)
{
    QString sentence = QStringLiteral("%1: %2 could not be created.").arg(what.controlName, what.className);
    return failure(status::cannotCreateObject, std::move(sentence), std::move(what));
}

// The value a record stores for a property its class's maker reads itself (the OLE object's class and data),
// by its name without regard to case; none when the record stores none or one of another kind.
template<class Kind> const Kind *storedValueOf(const ControlRecord &record, QLatin1StringView property)
{
    for (const StoredValue &stored : record.values) {
        if (storedText(stored.property).compare(property, Qt::CaseInsensitive) == 0)
            return std::get_if<Kind>(&stored.value);
    }
    return nullptr;
}

class ControlMaker
{
public:
    virtual ~ControlMaker() = default;
    // On failure nothing is left behind, and the failure names the record, its class and the reason.
    virtual Outcome<MadeObject> make(const ControlRecord &record, const MakeSite &site) = 0;
};

} // namespace qv
