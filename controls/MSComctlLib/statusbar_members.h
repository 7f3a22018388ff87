#pragma once
// The status bar's own members: its panels, the one text a simple bar shows instead of them, and the clicks
// on a panel.

#include "status_panel.h"

class QLabel;
class QStatusBar;

namespace qv::mscomctl
{

// The bar's panels, counted from 1 from the left.
class Panels final : public MemberObject
{
    Q_OBJECT
    Q_PROPERTY(int Count READ count STORED false)
public:
    explicit Panels(QStatusBar &bar);

    int count() const { return panels_.count(); }
    const kit::ItemList<Panel> &list() const { return panels_; }
    // The panel whose label is `label`, or null.
    Panel *panelShownBy(const QWidget *label) const;
    void showOn(bool barShowsPanels);

    Q_INVOKABLE QObject *Add(const QVariant &Index = QVariant(), const QVariant &Key = QVariant(),
                             const QVariant &Text = QVariant(), const QVariant &Style = QVariant(),
                             const QVariant &Picture = QVariant());
    Q_INVOKABLE QObject *Item(const QVariant &Index);
    Q_INVOKABLE void Remove(const QVariant &Index);
    Q_INVOKABLE void Clear();

private:
    QStatusBar &bar_;
    kit::ItemList<Panel> panels_;
    bool barShowsPanels_ = true;
};

class StatusBarMembers final : public MemberObject
{
    Q_OBJECT
    Q_PROPERTY(QObject *Panels READ panels STORED false)
    Q_PROPERTY(QString SimpleText READ simpleText WRITE setSimpleText STORED false)
    Q_PROPERTY(SbarStyleConstants Style READ style WRITE setStyle STORED false)
public:
    enum SbarStyleConstants { sbrNormal = 0, sbrSimple = 1 };
    Q_ENUM(SbarStyleConstants)

    explicit StatusBarMembers(QStatusBar &bar);

    QObject *panels() const { return panels_; }
    QString simpleText() const { return simpleText_; }
    void setSimpleText(const QString &text);
    SbarStyleConstants style() const { return style_; }
    void setStyle(SbarStyleConstants style);

signals:
    void PanelClick(QObject *Panel);
    void PanelDblClick(QObject *Panel);
    void Click();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QStatusBar &bar_;
    mscomctl::Panels *panels_;
    // Made when the bar first goes simple: a bar that never does shows as it was made.
    QLabel *simpleLabel_ = nullptr;
    QString simpleText_;
    SbarStyleConstants style_ = sbrNormal;
};

} // namespace qv::mscomctl
