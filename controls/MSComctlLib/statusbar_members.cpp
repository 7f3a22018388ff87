#include "statusbar_members.h"
#include "picture_file.h"
#include "statusbar.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPointer>
#include <QStatusBar>

namespace qv::mscomctl
{

Panels::Panels(QStatusBar &bar)
    : bar_(bar)
{
    for (QLabel *label : bar.findChildren<QLabel *>(Qt::FindDirectChildrenOnly)) {
        auto *panel = new Panel(panels_, bar, *label);
        panel->setParent(this);
        panels_.insert(panels_.count(), *panel);
    }
}

Panel *Panels::panelShownBy(const QWidget *label) const
{
    for (Panel *panel : panels_.all()) {
        if (label && panel->label() == label)
            return panel;
    }
    return nullptr;
}

void Panels::showOn(bool barShowsPanels)
{
    barShowsPanels_ = barShowsPanels;
    for (Panel *panel : panels_.all())
        panel->showOn(barShowsPanels);
}

QObject *Panels::Add(const QVariant &Index, const QVariant &Key, const QVariant &Text, const QVariant &Style,
                     const QVariant &Picture)
{
    if (count() >= mostPanels) {
        refuse(status::invalidProcedureCall,
               QStringLiteral("a status bar holds at most %1 panels").arg(mostPanels));
        return nullptr;
    }
    const Outcome<int> at = panels_.placeFor(Index);
    if (!at) {
        refuse(at.failure());
        return nullptr;
    }
    if (std::optional<Failure> refused = panels_.refusedKey(Key)) {
        refuse(*std::move(refused));
        return nullptr;
    }
    const Outcome<int> style = kit::wholeNumberArgument(Style, Panel::sbrText, Panel::sbrText, Panel::sbrKana,
                                                        QStringLiteral("Style"));
    if (!style) {
        refuse(style.failure());
        return nullptr;
    }
    if (std::optional<Failure> refused = Panel::refusedStyle(style.value())) {
        refuse(*std::move(refused));
        return nullptr;
    }
    const QString picture = kit::textArgument(Picture);
    if (!picture.isEmpty()) {
        if (Outcome<QImage> read = readPicture(picture); !read) {
            refuse(std::move(read).failure());
            return nullptr;
        }
    }
    QLabel *label = makePanelLabel(QString(), bar_);
    bar_.insertWidget(at.value(), label);
    auto *panel = new Panel(panels_, bar_, *label);
    panel->setParent(this);
    panels_.insert(at.value(), *panel);
    panel->setKey(kit::keyText(Key));
    panel->setText(kit::textArgument(Text));
    panel->setStyle(static_cast<Panel::PanelStyleConstants>(style.value()));
    panel->setPicture(picture);
    panel->showOn(barShowsPanels_);
    return panel;
}

QObject *Panels::Item(const QVariant &Index)
{
    Outcome<Panel *> found = panels_.find(Index);
    if (!found) {
        refuse(std::move(found).failure());
        return nullptr;
    }
    return found.value();
}

void Panels::Remove(const QVariant &Index)
{
    Outcome<Panel *> found = panels_.find(Index);
    if (!found)
        return refuse(std::move(found).failure());
    Panel *panel = panels_.take(panels_.positionOf(*found.value()));
    panel->leaveBar();
    delete panel;
}

void Panels::Clear()
{
    while (count() > 0)
        Remove(QVariant(1));
}

StatusBarMembers::StatusBarMembers(QStatusBar &bar)
    : bar_(bar)
    , panels_(new mscomctl::Panels(bar))
{
    panels_->setParent(this);
    bar.installEventFilter(this);
}

void StatusBarMembers::setSimpleText(const QString &text)
{
    simpleText_ = text;
    if (simpleLabel_)
        simpleLabel_->setText(text);
}

void StatusBarMembers::setStyle(SbarStyleConstants style)
{
    style_ = style;
    if (style == sbrSimple && !simpleLabel_) {
        simpleLabel_ = new QLabel(simpleText_, &bar_);
        simpleLabel_->setTextFormat(Qt::PlainText);
        bar_.addWidget(simpleLabel_, 1);
    }
    if (simpleLabel_)
        simpleLabel_->setVisible(style == sbrSimple);
    panels_->showOn(style == sbrNormal);
}

bool StatusBarMembers::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != &bar_)
        return false;
    const bool release = event->type() == QEvent::MouseButtonRelease;
    const bool twice = event->type() == QEvent::MouseButtonDblClick;
    if (!release && !twice)
        return false;
    const auto *mouse = static_cast<QMouseEvent *>(event);
    if (mouse->button() != Qt::LeftButton)
        return false;
    // Reaches the bar from the panel it was on, as a panel's label takes no click of its own.
    Panel *panel = panels_->panelShownBy(bar_.childAt(mouse->position().toPoint()));
    if (twice) {
        if (panel)
            emit PanelDblClick(panel);
        return false;
    }
    // A handler may unload the form, and these members with it.
    const QPointer<StatusBarMembers> alive(this);
    if (panel)
        emit PanelClick(panel);
    if (alive)
        emit Click();
    return false;
}

} // namespace qv::mscomctl
