#pragma once
// The members of the data control: what it connects to and how, kept as the program sets them, and its
// caption.

#include "runtime/core/control_members.h"

namespace qv::builtin
{

class DataControlBar;

class DataMembers final : public WindowedMembers
{
    Q_OBJECT
    Q_PROPERTY(QString Caption READ caption WRITE setCaption STORED true)
    Q_PROPERTY(QString Connect READ connectType WRITE setConnectType STORED true)
    Q_PROPERTY(QString DatabaseName READ databaseName WRITE setDatabaseName STORED true)
    Q_PROPERTY(QString RecordSource READ recordSource WRITE setRecordSource STORED true)
    Q_PROPERTY(bool ReadOnly READ readOnly WRITE setReadOnly)
    Q_PROPERTY(bool Exclusive READ exclusive WRITE setExclusive)
public:
    DataMembers(DataControlBar &bar, const ControlRecord &record);
    QString caption() const;
    void setCaption(const QString &caption);
    QString connectType() const;
    void setConnectType(const QString &connect);
    QString databaseName() const;
    void setDatabaseName(const QString &name);
    QString recordSource() const;
    void setRecordSource(const QString &source);
    bool readOnly() const;
    void setReadOnly(bool readOnly);
    bool exclusive() const;
    void setExclusive(bool exclusive);

private:
    DataControlBar &bar() const;
};

} // namespace qv::builtin
