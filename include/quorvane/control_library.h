#pragma once
// The one interface between the forms runtime and a control library module. A module is a Qt plugin whose
// metadata names its library file, type library, version and classes; the runtime reads that metadata
// before it loads the module, and only then asks the module for instances and their members.
//
// Metadata (the plugin's JSON file):
//   { "libraryFile": "MSCOMCTL.OCX", "typeLibrary": "MSComctlLib", "version": "2.1",
//     "classes": [ { "progId": "MSComctlLib.Toolbar", "clsid": "{66833FE6-...}", "visible": true }, ... ] }
//
// A class's members are those every control has (its name and tag; for a visible class its position, size,
// colours, font, focus, key and mouse events), which the runtime carries, and the class's own, which its
// module describes with a meta-object deriving from MemberObject: Q_PROPERTY for its properties (STORED false
// for those a stored-settings block may not name), Q_INVOKABLE for its methods, signals for its events,
// Q_ENUM for its enumerations. The types a program can hold are bool, short, int, float, double, QString and
// QDateTime, and enumerations declared with Q_ENUM; the runtime refuses a module whose description uses any
// other, naming the member.

#include <quorvane/member_object.h>

#include <QMetaObject>
#include <QObject>
#include <QString>
#include <QStringView>
#include <cstddef>
#include <span>

class QWidget;

namespace qv
{

class ControlLibrary
{
public:
    struct Creation {
        // A visible class: a QWidget child of the container. An invisible one: a plain QObject (never a
        // widget) child of the container, so it goes away with the window. Null when it could not be made.
        QObject *object = nullptr;
        QString error; // why, when object is null
    };

    virtual ~ControlLibrary() = default;

    // Makes an instance of the class with the given CLSID from its stored-settings block. The module reads
    // the block with the stored-settings reader and refuses a malformed one with a message.
    virtual Creation create(QStringView clsid, std::span<const std::byte> settings, QWidget &container) = 0;

    // The description of the class's own members, known without an instance; null for a class that has
    // only the members every control has.
    virtual const QMetaObject *description(QStringView clsid) const
    {
        Q_UNUSED(clsid);
        return nullptr;
    }

    // The object carrying the own members of an instance that create() made, asked for when a program first
    // reaches them; its meta-object is description(clsid)'s. The runtime makes it a child of the instance.
    virtual MemberObject *members(QStringView clsid, QObject &instance)
    {
        Q_UNUSED(clsid);
        Q_UNUSED(instance);
        return nullptr;
    }
};

} // namespace qv

#define QuorvaneControlLibrary_iid "org.quorvane.ControlLibrary/2.0"
Q_DECLARE_INTERFACE(qv::ControlLibrary, QuorvaneControlLibrary_iid)
