#pragma once
// The one interface between the forms runtime and a control library module. A module is a Qt plugin whose
// metadata names its library file, type library, version and classes; the runtime reads that metadata
// before it loads the module, and only then asks the module for instances.
//
// Metadata (the plugin's JSON file; the program's own modules have theirs generated from the manifest's data,
// manifest/control_libraries.json):
//   { "libraryFile": "MSCOMCTL.OCX", "typeLibrary": "MSComctlLib", "version": "2.1",
//     "classes": [ { "progId": "MSComctlLib.Toolbar", "clsid": "{66833FE6-...}", "visible": true }, ... ] }

#include <QObject>
#include <QString>
#include <QStringView>
#include <QWidget>
#include <span>

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
};

} // namespace qv

#define QuorvaneControlLibrary_iid "org.quorvane.ControlLibrary/1.0"
Q_DECLARE_INTERFACE(qv::ControlLibrary, QuorvaneControlLibrary_iid)
