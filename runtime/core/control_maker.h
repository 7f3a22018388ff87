#pragma once
// What the form load asks of the makers of control classes (the built-in classes and the control library
// modules): the object of one stored record, made inside its container. The load names, places and counts it.

#include "runtime/core/event_sink.h"
#include "runtime/core/outcome.h"
#include "runtime/core/twips.h"
#include <quorvane/form_description.h>

#include <QObject>
#include <QString>

class QWidget;

namespace qv
{

struct MakeSite {
    QWidget &container;
    const TwipsScale &scale;
    EventSink &events;
};

struct MadeObject {
    // A class with a window: a QWidget child of the container. One without: a plain QObject child of the
    // container, so that it goes with the window.
    QObject *object = nullptr;
    QString className; // as reports show it: "CommandButton", "MSComctlLib.Toolbar"
};

class ControlMaker
{
public:
    virtual ~ControlMaker() = default;
    // On failure nothing is left behind, and the failure names the record, its class and the reason.
    virtual Outcome<MadeObject> make(const ControlRecord &record, const MakeSite &site) = 0;
};

} // namespace qv
