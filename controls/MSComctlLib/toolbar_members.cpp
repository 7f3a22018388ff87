#include "toolbar_members.h"

#include <QMouseEvent>
#include <QToolBar>

namespace qv::mscomctl
{

Buttons::Buttons(QToolBar &bar)
    : bar_(bar)
{
    for (QAction *action : bar.actions()) {
        auto *button = new Button(buttons_, bar, *action);
        button->setParent(this);
        buttons_.insert(buttons_.count(), *button);
    }
}

Button *Buttons::buttonShowing(const QAction *action) const
{
    for (Button *button : buttons_.all()) {
        if (action && button->action() == action)
            return button;
    }
    return nullptr;
}

QObject *Buttons::Add(const QVariant &Index, const QVariant &Key, const QVariant &Caption,
                      const QVariant &Style, const QVariant &Image)
{
    const Outcome<int> at = buttons_.placeFor(Index);
    if (!at) {
        refuse(at.failure());
        return nullptr;
    }
    if (std::optional<Failure> refused = buttons_.refusedKey(Key)) {
        refuse(*std::move(refused));
        return nullptr;
    }
    const Outcome<int> style = kit::wholeNumberArgument(Style, Button::tbrDefault, Button::tbrDefault,
                                                        Button::tbrDropdown, QStringLiteral("Style"));
    if (!style) {
        refuse(style.failure());
        return nullptr;
    }
    if (std::optional<Failure> refused = kit::refusedImage(Image)) {
        refuse(*std::move(refused));
        return nullptr;
    }
    auto *action = new QAction(kit::textArgument(Caption), &bar_);
    bar_.insertAction(at.value() < count() ? buttons_.at(at.value())->action() : nullptr, action);
    auto *button = new Button(buttons_, bar_, *action);
    button->setParent(this);
    buttons_.insert(at.value(), *button);
    button->setKey(kit::keyText(Key));
    button->setStyle(static_cast<Button::ButtonStyleConstants>(style.value()));
    return button;
}

QObject *Buttons::Item(const QVariant &Index)
{
    Outcome<Button *> found = buttons_.find(Index);
    if (!found) {
        refuse(std::move(found).failure());
        return nullptr;
    }
    return found.value();
}

void Buttons::Remove(const QVariant &Index)
{
    Outcome<Button *> found = buttons_.find(Index);
    if (!found)
        return refuse(std::move(found).failure());
    Button *button = buttons_.take(buttons_.positionOf(*found.value()));
    button->leaveBar();
    delete button;
}

void Buttons::Clear()
{
    while (count() > 0)
        Remove(QVariant(1));
}

ToolbarMembers::ToolbarMembers(QToolBar &bar)
    : bar_(bar)
    , buttons_(new mscomctl::Buttons(bar))
{
    buttons_->setParent(this);
    connect(&bar, &QToolBar::actionTriggered, this, [this](QAction *action) {
        if (Button *button = buttons_->buttonShowing(action)) {
            button->pressedByClick();
            emit ButtonClick(button);
        }
    });
    bar.installEventFilter(this);
}

bool ToolbarMembers::eventFilter(QObject *watched, QEvent *event)
{
    // A click on a button is the button's; one on the bar around them reaches the bar.
    if (watched == &bar_ && event->type() == QEvent::MouseButtonRelease
        && static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton)
        emit Click();
    return false;
}

} // namespace qv::mscomctl
