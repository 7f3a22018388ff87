#include "toolbar_button.h"

#include <QMenu>
#include <QToolBar>
#include <QToolButton>

namespace qv::mscomctl
{

Button::Button(const kit::ItemList<Button> &buttons, QToolBar &bar, QAction &action)
    : buttons_(buttons)
    , bar_(bar)
    , action_(&action)
{
}

QString Button::caption() const
{
    return action_ ? action_->text() : QString();
}

void Button::setCaption(const QString &caption)
{
    if (action_)
        action_->setText(caption);
}

void Button::setKey(const QString &key)
{
    if (std::optional<Failure> refused = buttons_.refusedKey(key, this))
        return refuse(*std::move(refused));
    key_ = key;
}

bool Button::enabled() const
{
    return action_ && action_->isEnabled();
}

void Button::setEnabled(bool enabled)
{
    if (action_)
        action_->setEnabled(enabled);
}

bool Button::visible() const
{
    return action_ && action_->isVisible();
}

void Button::setVisible(bool visible)
{
    if (action_)
        action_->setVisible(visible);
}

Button::ValueConstants Button::value() const
{
    return action_ && action_->isChecked() ? tbrPressed : tbrUnpressed;
}

void Button::setValue(ValueConstants value)
{
    if (!action_)
        return;
    // Any button shows pressed when told to; only check and group buttons stay so by a click.
    action_->setCheckable(value == tbrPressed || style_ == tbrCheck || style_ == tbrButtonGroup);
    action_->setChecked(value == tbrPressed);
    if (value == tbrPressed && style_ == tbrButtonGroup)
        pressedByClick();
}

void Button::setStyle(ButtonStyleConstants style)
{
    style_ = style;
    if (!action_)
        return;
    action_->setSeparator(style == tbrSeparator || style == tbrPlaceholder);
    action_->setCheckable(style == tbrCheck || style == tbrButtonGroup || action_->isChecked());
    const bool dropDown = style == tbrDropdown;
    if (dropDown && !action_->menu())
        action_->setMenu(new QMenu(&bar_));
    else if (!dropDown && action_->menu()) {
        delete action_->menu();
        action_->setMenu(static_cast<QMenu *>(nullptr));
    }
    if (auto *button = qobject_cast<QToolButton *>(bar_.widgetForAction(action_)))
        button->setPopupMode(dropDown ? QToolButton::MenuButtonPopup : QToolButton::DelayedPopup);
}

void Button::setToolTipText(const QString &text)
{
    toolTip_ = text;
    if (action_)
        action_->setToolTip(text);
}

void Button::setImage(const QVariant &image)
{
    if (std::optional<Failure> refused = kit::refusedImage(image))
        return refuse(*std::move(refused));
    image_ = image;
}

void Button::pressedByClick()
{
    if (style_ != tbrButtonGroup || !action_)
        return;
    action_->setChecked(true);
    for (Button *other : group()) {
        if (other != this && other->action_)
            other->action_->setChecked(false);
    }
}

QList<Button *> Button::group() const
{
    const QList<Button *> &all = buttons_.all();
    qsizetype first = buttons_.positionOf(*this);
    qsizetype last = first;
    while (first > 0 && all[first - 1]->style_ == tbrButtonGroup)
        --first;
    while (last + 1 < all.size() && all[last + 1]->style_ == tbrButtonGroup)
        ++last;
    return all.mid(first, last - first + 1);
}

void Button::leaveBar()
{
    if (!action_)
        return;
    bar_.removeAction(action_);
    // Later: the button may go while its own click is being delivered.
    action_->deleteLater();
}

} // namespace qv::mscomctl
