#pragma once
// The tool bar's own members: its buttons, and the clicks on a button or on the bar.

#include "toolbar_button.h"

class QToolBar;

namespace qv::mscomctl
{

// The bar's buttons, counted from 1 from the left.
class Buttons final : public MemberObject
{
    Q_OBJECT
    Q_PROPERTY(int Count READ count STORED false)
public:
    explicit Buttons(QToolBar &bar);

    int count() const { return buttons_.count(); }
    // The button that shows `action`, or null.
    Button *buttonShowing(const QAction *action) const;

    Q_INVOKABLE QObject *Add(const QVariant &Index = QVariant(), const QVariant &Key = QVariant(),
                             const QVariant &Caption = QVariant(), const QVariant &Style = QVariant(),
                             const QVariant &Image = QVariant());
    Q_INVOKABLE QObject *Item(const QVariant &Index);
    Q_INVOKABLE void Remove(const QVariant &Index);
    Q_INVOKABLE void Clear();

private:
    QToolBar &bar_;
    kit::ItemList<Button> buttons_;
};

class ToolbarMembers final : public MemberObject
{
    Q_OBJECT
    Q_PROPERTY(QObject *Buttons READ buttons STORED false)
public:
    explicit ToolbarMembers(QToolBar &bar);

    QObject *buttons() const { return buttons_; }

signals:
    void ButtonClick(QObject *Button);
    void Click();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QToolBar &bar_;
    mscomctl::Buttons *buttons_;
};

} // namespace qv::mscomctl
