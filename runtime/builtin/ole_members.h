#pragma once
// The members of the OLE container: the class of the object it holds and how it holds it, both as stored,
// and the file the object was made from.

#include "runtime/core/control_members.h"

namespace qv::builtin
{

class OleContainer;

class OleMembers final : public WindowedMembers
{
    Q_OBJECT
    // The container is made from the stored object and its class, which a program cannot change.
    Q_CLASSINFO("MadeFrom", "Class OLEObject")
    // The object's class, "Paint.Picture": the stored object's own.
    Q_PROPERTY(QString Class READ className STORED true)
    // The embedded object as stored, a compound document.
    Q_PROPERTY(QByteArray OLEObject READ oleObject STORED true)
    Q_PROPERTY(QString SourceDoc READ sourceDoc WRITE setSourceDoc STORED true)
    Q_PROPERTY(Kind OLEType READ oleType STORED false)
public:
    // How the container holds its object: the record always embeds it.
    enum Kind { vbOLELinked = 0, vbOLEEmbedded = 1, vbOLENone = 3 };
    Q_ENUM(Kind)

    OleMembers(OleContainer &container, const ControlRecord &record);
    QString className() const;
    QByteArray oleObject() const;
    QString sourceDoc() const { return sourceDoc_; }
    void setSourceDoc(const QString &file) { sourceDoc_ = file; }
    Kind oleType() const { return vbOLEEmbedded; }

private:
    QString sourceDoc_;
};

} // namespace qv::builtin
