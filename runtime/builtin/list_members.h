#pragma once
// The members of the list box and the combo box: items added, removed and read by index, the selection,
// and a Long of the program's own beside each item.

#include "runtime/core/control_members.h"

class QComboBox;
class QListWidget;

namespace qv::builtin
{

// What every list reads by index: its items, how many, and which one is chosen. The file-system lists have
// these alone.
class IndexedListMembers : public WindowedMembers
{
    Q_OBJECT
    Q_PROPERTY(int ListIndex READ listIndex WRITE setListIndex STORED false)
    Q_PROPERTY(int ListCount READ listCount STORED false)
public:
    using WindowedMembers::WindowedMembers;

    virtual int listIndex() const = 0;
    void setListIndex(int index);
    virtual int listCount() const = 0;

    // List(Index) reads an item; past the end, an empty string, as the forms runtime reads it.
    Q_INVOKABLE QString List(int Index);

protected:
    // The first index List reads: 0, or below it where a list numbers items above its own (the directory
    // list's parents).
    virtual int firstIndex() const { return 0; }
    virtual void select(int index) = 0;
    virtual QString item(int index) const = 0;
    // An index a method is given refuses with invalidProcedureCall, one written to a property with
    // invalidPropertyValue.
    bool refusedIndex(int index, int end, Status status = status::invalidProcedureCall);
};

// What both lists a program fills do, over the widget's own item calls.
class ListMembers : public IndexedListMembers
{
    Q_OBJECT
    Q_PROPERTY(QString Text READ text WRITE setText STORED false)
public:
    using IndexedListMembers::IndexedListMembers;

    virtual QString text() const = 0;
    virtual void setText(const QString &text) = 0;

    Q_INVOKABLE void AddItem(const QString &Item, int Index = keep);
    Q_INVOKABLE void RemoveItem(int Index);
    Q_INVOKABLE void Clear();
    // List(Index, Value) writes an item.
    using IndexedListMembers::List;
    Q_INVOKABLE void List(int Index, const QString &Value);
    // ItemData(Index) reads the Long kept beside an item; ItemData(Index, Value) writes it.
    Q_INVOKABLE int ItemData(int Index);
    Q_INVOKABLE void ItemData(int Index, int Value);

signals:
    void Click();

protected:
    virtual void insert(int index, const QString &item) = 0;
    virtual void remove(int index) = 0;
    virtual void removeAll() = 0;
    virtual void setItem(int index, const QString &item) = 0;
    virtual int data(int index) const = 0;
    virtual void setData(int index, int value) = 0;
};

class ListBoxMembers final : public ListMembers
{
    Q_OBJECT
public:
    ListBoxMembers(QListWidget &list, const ControlRecord &record);
    int listIndex() const override;
    int listCount() const override;
    QString text() const override;
    void setText(const QString &text) override;

protected:
    void select(int index) override;
    void insert(int index, const QString &item) override;
    void remove(int index) override;
    void removeAll() override;
    QString item(int index) const override;
    void setItem(int index, const QString &item) override;
    int data(int index) const override;
    void setData(int index, int value) override;

private:
    QListWidget &list() const;
};

class ComboBoxMembers final : public ListMembers
{
    Q_OBJECT
public:
    ComboBoxMembers(QComboBox &combo, const ControlRecord &record);
    int listIndex() const override;
    int listCount() const override;
    QString text() const override;
    void setText(const QString &text) override;

signals:
    void Change();

protected:
    void select(int index) override;
    void insert(int index, const QString &item) override;
    void remove(int index) override;
    void removeAll() override;
    QString item(int index) const override;
    void setItem(int index, const QString &item) override;
    int data(int index) const override;
    void setData(int index, int value) override;

private:
    QComboBox &combo() const;
};

} // namespace qv::builtin
