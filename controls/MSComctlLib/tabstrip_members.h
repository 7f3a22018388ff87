#pragma once
// The tab strip's own members: its tabs, the one selected, and the click that selects one, which a program
// may cancel before it takes effect.

#include "controls/kit/item_list.h"
#include "tabstrip_tab.h"

class QTabBar;

namespace qv::mscomctl
{

// The strip's tabs, counted from 1 from the left, in the order the strip shows them.
class Tabs final : public MemberObject
{
    Q_OBJECT
    Q_PROPERTY(int Count READ count STORED false)
public:
    explicit Tabs(QTabBar &bar);

    int count() const { return tabs_.count(); }
    QTabBar &bar() const { return bar_; }
    int positionOf(const Tab &tab) const { return tabs_.positionOf(tab); }
    std::optional<Failure> refusedKey(const QString &key, const Tab &tab) const
    {
        return tabs_.refusedKey(key, &tab);
    }
    // The tab a program sees selected: while a click is asked whether it may select another, still the one
    // before.
    Tab *selected() const;
    void noteSelected(int position) { selected_ = position; }
    // Whether the strip is taking tabs in or out, which selects another tab without a click.
    bool rearranging() const { return rearranging_; }

    Q_INVOKABLE QObject *Add(const QVariant &Index = QVariant(), const QVariant &Key = QVariant(),
                             const QVariant &Caption = QVariant(), const QVariant &Image = QVariant());
    Q_INVOKABLE QObject *Item(const QVariant &Index);
    Q_INVOKABLE void Remove(const QVariant &Index);
    Q_INVOKABLE void Clear();

private:
    QTabBar &bar_;
    kit::ItemList<Tab> tabs_;
    int selected_ = -1;
    bool rearranging_ = false;
};

class TabStripMembers final : public MemberObject
{
    Q_OBJECT
    Q_PROPERTY(QObject *Tabs READ tabs STORED false)
    Q_PROPERTY(QObject *SelectedItem READ selectedItem STORED false)
public:
    explicit TabStripMembers(QTabBar &bar);

    QObject *tabs() const { return tabs_; }
    QObject *selectedItem() const { return tabs_->selected(); }

signals:
    void BeforeClick(short &Cancel);
    void Click();

private:
    void selectionChanged(int position);

    QTabBar &bar_;
    mscomctl::Tabs *tabs_;
};

} // namespace qv::mscomctl
