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
    // The object's class, "Paint.Picture": the stored object's own, which a program cannot change.
    Q_PROPERTY(QString Class READ className STORED true)
    Q_PROPERTY(QString SourceDoc READ sourceDoc WRITE setSourceDoc STORED true)
    Q_PROPERTY(Kind OLEType READ oleType STORED false)
public:
    // How the container holds its object: the record always embeds it.
    enum Kind { vbOLELinked = 0, vbOLEEmbedded = 1, vbOLENone = 3 };
    Q_ENUM(Kind)

    OleMembers(OleContainer &container, const ControlRecord &record);
    QString className() const;
    QString sourceDoc() const { return sourceDoc_; }
    void setSourceDoc(const QString &file) { sourceDoc_ = file; }
    Kind oleType() const { return vbOLEEmbedded; }

private:
    QString sourceDoc_;
};

} // namespace qv::builtin
