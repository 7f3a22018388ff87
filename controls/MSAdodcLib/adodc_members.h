#pragma once
// The ADO data control's own members: its caption, and what it would connect to and ask for. No data
// provider can be reached yet, so what needs one (Refresh) fails saying so; the rest is kept as written.

#include <quorvane/member_object.h>

class QLabel;
class QWidget;

namespace qv::msadodc
{

class AdodcMembers final : public MemberObject
{
    Q_OBJECT
    Q_PROPERTY(QString Caption READ caption WRITE setCaption STORED true)
    Q_PROPERTY(QString ConnectionString READ connectionString WRITE setConnectionString STORED false)
    Q_PROPERTY(QString RecordSource READ recordSource WRITE setRecordSource STORED false)
    Q_PROPERTY(CommandTypeEnum CommandType READ commandType WRITE setCommandType STORED false)
    Q_PROPERTY(QString UserName READ userName WRITE setUserName STORED false)
    Q_PROPERTY(QString Password READ password WRITE setPassword STORED false)
    // In seconds; 0 waits without end.
    Q_PROPERTY(int ConnectionTimeout READ connectionTimeout WRITE setConnectionTimeout STORED false)
    Q_PROPERTY(int CommandTimeout READ commandTimeout WRITE setCommandTimeout STORED false)
    // 0 asks for every record.
    Q_PROPERTY(int MaxRecords READ maxRecords WRITE setMaxRecords STORED false)
    Q_PROPERTY(CursorLocationEnum CursorLocation READ cursorLocation WRITE setCursorLocation STORED false)
    Q_PROPERTY(CursorTypeEnum CursorType READ cursorType WRITE setCursorType STORED false)
    Q_PROPERTY(LockTypeEnum LockType READ lockType WRITE setLockType STORED false)
    Q_PROPERTY(BOFActionEnum BOFAction READ bofAction WRITE setBofAction STORED false)
    Q_PROPERTY(EOFActionEnum EOFAction READ eofAction WRITE setEofAction STORED false)
public:
    enum CommandTypeEnum { adCmdText = 1, adCmdTable = 2, adCmdStoredProc = 4, adCmdUnknown = 8 };
    Q_ENUM(CommandTypeEnum)
    enum CursorLocationEnum { adUseServer = 2, adUseClient = 3 };
    Q_ENUM(CursorLocationEnum)
    enum CursorTypeEnum {
        adOpenUnspecified = -1,
        adOpenForwardOnly = 0,
        adOpenKeyset = 1,
        adOpenDynamic = 2,
        adOpenStatic = 3
    };
    Q_ENUM(CursorTypeEnum)
    enum LockTypeEnum {
        adLockUnspecified = -1,
        adLockReadOnly = 1,
        adLockPessimistic = 2,
        adLockOptimistic = 3,
        adLockBatchOptimistic = 4
    };
    Q_ENUM(LockTypeEnum)
    enum BOFActionEnum { adDoMoveFirst = 0, adStayBOF = 1 };
    Q_ENUM(BOFActionEnum)
    enum EOFActionEnum { adDoMoveLast = 0, adStayEOF = 1, adDoAddNew = 2 };
    Q_ENUM(EOFActionEnum)

    explicit AdodcMembers(QWidget &control);

    QString caption() const;
    void setCaption(const QString &caption);
    QString connectionString() const { return connectionString_; }
    void setConnectionString(const QString &connection) { connectionString_ = connection; }
    QString recordSource() const { return recordSource_; }
    void setRecordSource(const QString &source) { recordSource_ = source; }
    CommandTypeEnum commandType() const { return commandType_; }
    void setCommandType(CommandTypeEnum type) { commandType_ = type; }
    QString userName() const { return userName_; }
    void setUserName(const QString &name) { userName_ = name; }
    QString password() const { return password_; }
    void setPassword(const QString &password) { password_ = password; }
    int connectionTimeout() const { return connectionTimeout_; }
    void setConnectionTimeout(int seconds);
    int commandTimeout() const { return commandTimeout_; }
    void setCommandTimeout(int seconds);
    int maxRecords() const { return maxRecords_; }
    void setMaxRecords(int records);
    CursorLocationEnum cursorLocation() const { return cursorLocation_; }
    void setCursorLocation(CursorLocationEnum location) { cursorLocation_ = location; }
    CursorTypeEnum cursorType() const { return cursorType_; }
    void setCursorType(CursorTypeEnum type) { cursorType_ = type; }
    LockTypeEnum lockType() const { return lockType_; }
    void setLockType(LockTypeEnum type) { lockType_ = type; }
    BOFActionEnum bofAction() const { return bofAction_; }
    void setBofAction(BOFActionEnum action) { bofAction_ = action; }
    EOFActionEnum eofAction() const { return eofAction_; }
    void setEofAction(EOFActionEnum action) { eofAction_ = action; }

    // Opens the record source again over the connection: the data control's own Refresh, not a redraw.
    Q_INVOKABLE void Refresh();

private:
    // A count that cannot be negative; true when it refused.
    bool refusedAsNegative(int value, const char *what);

    QLabel &caption_;
    QString connectionString_;
    QString recordSource_;
    CommandTypeEnum commandType_ = adCmdUnknown;
    QString userName_;
    QString password_;
    int connectionTimeout_ = 15;
    int commandTimeout_ = 30;
    int maxRecords_ = 0;
    CursorLocationEnum cursorLocation_ = adUseClient;
    CursorTypeEnum cursorType_ = adOpenStatic;
    LockTypeEnum lockType_ = adLockOptimistic;
    BOFActionEnum bofAction_ = adDoMoveFirst;
    EOFActionEnum eofAction_ = adDoMoveLast;
};

} // namespace qv::msadodc
