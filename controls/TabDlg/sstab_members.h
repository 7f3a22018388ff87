#pragma once
// The tabbed dialog's own members: which tab is in front, how many there are, and each tab's caption and
// whether it can be chosen.

#include <quorvane/member_object.h>

class QTabWidget;

namespace qv::tabdlg
{

class SSTabMembers final : public MemberObject
{
    Q_OBJECT
    Q_PROPERTY(int Tab READ tab WRITE setTab STORED false)
    Q_PROPERTY(int Tabs READ tabs WRITE setTabs STORED true)
    // The caption of the tab in front.
    Q_PROPERTY(QString Caption READ caption WRITE setCaption STORED false)
public:
    explicit SSTabMembers(QTabWidget &tabs);

    int tab() const;
    void setTab(int tab);
    int tabs() const;
    void setTabs(int count);
    QString caption() const;
    void setCaption(const QString &caption);

    // TabCaption(Index) reads a tab's caption; TabCaption(Index, Value) writes it.
    Q_INVOKABLE QString TabCaption(int Index);
    Q_INVOKABLE void TabCaption(int Index, const QString &Value);
    // TabEnabled(Index) reads whether the user can choose a tab; TabEnabled(Index, Value) writes it.
    Q_INVOKABLE bool TabEnabled(int Index);
    Q_INVOKABLE void TabEnabled(int Index, bool Value);

signals:
    // Another tab came to the front, chosen by the user or the program: the one in front before.
    void Click(short PreviousTab);

private:
    bool refusedTab(int index, Status status);

    QTabWidget &tabs_;
    int previous_;
};

} // namespace qv::tabdlg
