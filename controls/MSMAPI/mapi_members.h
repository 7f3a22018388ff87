#pragma once
// The mail controls' own members: a session's sign-on settings and a message's fields, kept as a program
// writes them. This machine has no mail system: signing on, sending and fetching fail saying so.

#include <quorvane/member_object.h>

#include <QVariant>
#include <vector>

namespace qv::msmapi
{

// Holds the stand-in's saved state, its object's properties, as the program's members.
class SavedStateMembers : public MemberObject
{
public:
    explicit SavedStateMembers(QObject &instance)
        : instance_(instance)
    {
    }

protected:
    QVariant saved(const char *name) const { return instance_.property(name); }
    void save(const char *name, const QVariant &value) { instance_.setProperty(name, value); }
    // Refuses: no mail system on this machine.
    void refuseMail();

private:
    QObject &instance_;
};

class MAPISessionMembers final : public SavedStateMembers
{
    Q_OBJECT
    // Stored as "DownloadMail" in the saved state.
    Q_PROPERTY(bool DownLoadMail READ downLoadMail WRITE setDownLoadMail STORED false)
    Q_PROPERTY(bool LogonUI READ logonUI WRITE setLogonUI STORED true)
    Q_PROPERTY(bool NewSession READ newSession WRITE setNewSession STORED true)
    Q_PROPERTY(QString UserName READ userName WRITE setUserName STORED true)
    Q_PROPERTY(QString Password READ password WRITE setPassword STORED false)
    Q_PROPERTY(int SessionID READ sessionID STORED false)
public:
    using SavedStateMembers::SavedStateMembers;

    bool downLoadMail() const { return saved("DownloadMail").toBool(); }
    void setDownLoadMail(bool download) { save("DownloadMail", download); }
    bool logonUI() const { return saved("LogonUI").toBool(); }
    void setLogonUI(bool shown) { save("LogonUI", shown); }
    bool newSession() const { return saved("NewSession").toBool(); }
    void setNewSession(bool fresh) { save("NewSession", fresh); }
    QString userName() const { return saved("UserName").toString(); }
    void setUserName(const QString &name) { save("UserName", name); }
    QString password() const { return password_; }
    void setPassword(const QString &password) { password_ = password; }
    // No session is ever signed on: 0.
    int sessionID() const { return 0; }

    Q_INVOKABLE void SignOn();
    Q_INVOKABLE void SignOff();

private:
    QString password_;
};

class MAPIMessagesMembers final : public SavedStateMembers
{
    Q_OBJECT
    Q_PROPERTY(
        int AddressEditFieldCount READ addressEditFieldCount WRITE setAddressEditFieldCount STORED true)
    Q_PROPERTY(QString AddressCaption READ addressCaption WRITE setAddressCaption STORED true)
    Q_PROPERTY(bool AddressModifiable READ addressModifiable WRITE setAddressModifiable STORED true)
    Q_PROPERTY(bool AddressResolveUI READ addressResolveUI WRITE setAddressResolveUI STORED true)
    Q_PROPERTY(bool FetchSorted READ fetchSorted WRITE setFetchSorted STORED true)
    Q_PROPERTY(bool FetchUnreadOnly READ fetchUnreadOnly WRITE setFetchUnreadOnly STORED true)
    Q_PROPERTY(int SessionID READ sessionID WRITE setSessionID STORED false)
    Q_PROPERTY(int MsgIndex READ msgIndex WRITE setMsgIndex STORED false)
    Q_PROPERTY(int MsgCount READ msgCount STORED false)
    Q_PROPERTY(QString MsgSubject READ msgSubject WRITE setMsgSubject STORED false)
    Q_PROPERTY(QString MsgNoteText READ msgNoteText WRITE setMsgNoteText STORED false)
    Q_PROPERTY(int RecipIndex READ recipIndex WRITE setRecipIndex STORED false)
    Q_PROPERTY(int RecipCount READ recipCount STORED false)
    Q_PROPERTY(QString RecipAddress READ recipAddress WRITE setRecipAddress STORED false)
    Q_PROPERTY(QString RecipDisplayName READ recipDisplayName WRITE setRecipDisplayName STORED false)
    Q_PROPERTY(RecipTypeConstants RecipType READ recipType WRITE setRecipType STORED false)
public:
    enum RecipTypeConstants { mapOrigList = 0, mapToList = 1, mapCcList = 2, mapBccList = 3 };
    Q_ENUM(RecipTypeConstants)

    using SavedStateMembers::SavedStateMembers;

    int addressEditFieldCount() const { return saved("AddressEditFieldCount").toInt(); }
    void setAddressEditFieldCount(int count);
    QString addressCaption() const { return saved("AddressCaption").toString(); }
    void setAddressCaption(const QString &caption) { save("AddressCaption", caption); }
    bool addressModifiable() const { return saved("AddressModifiable").toBool(); }
    void setAddressModifiable(bool modifiable) { save("AddressModifiable", modifiable); }
    bool addressResolveUI() const { return saved("AddressResolveUI").toBool(); }
    void setAddressResolveUI(bool shown) { save("AddressResolveUI", shown); }
    bool fetchSorted() const { return saved("FetchSorted").toBool(); }
    void setFetchSorted(bool sorted) { save("FetchSorted", sorted); }
    bool fetchUnreadOnly() const { return saved("FetchUnreadOnly").toBool(); }
    void setFetchUnreadOnly(bool unreadOnly) { save("FetchUnreadOnly", unreadOnly); }
    int sessionID() const { return sessionID_; }
    void setSessionID(int id) { sessionID_ = id; }
    // Only the message being composed (-1) is there: none was fetched.
    int msgIndex() const { return -1; }
    void setMsgIndex(int index);
    int msgCount() const { return 0; }
    QString msgSubject() const { return subject_; }
    void setMsgSubject(const QString &subject) { subject_ = subject; }
    QString msgNoteText() const { return noteText_; }
    void setMsgNoteText(const QString &text) { noteText_ = text; }
    int recipIndex() const { return recipIndex_; }
    void setRecipIndex(int index);
    int recipCount() const { return static_cast<int>(recipients_.size()); }
    QString recipAddress() const { return recipient().address; }
    void setRecipAddress(const QString &address) { chosenRecipient().address = address; }
    QString recipDisplayName() const { return recipient().displayName; }
    void setRecipDisplayName(const QString &name) { chosenRecipient().displayName = name; }
    RecipTypeConstants recipType() const { return recipient().type; }
    void setRecipType(RecipTypeConstants type) { chosenRecipient().type = type; }

    // Starts a new message: no subject, text or recipients.
    Q_INVOKABLE void Compose();
    Q_INVOKABLE void Send(bool vDialog = false);
    Q_INVOKABLE void Fetch();

private:
    struct Recipient {
        QString address;
        QString displayName;
        RecipTypeConstants type = mapToList;
    };
    // The recipient RecipIndex chooses; one past the last is a new one, added when a field is written.
    Recipient recipient() const;
    Recipient &chosenRecipient();

    int sessionID_ = 0;
    QString subject_;
    QString noteText_;
    std::vector<Recipient> recipients_;
    int recipIndex_ = 0;
};

} // namespace qv::msmapi
