#include "tabstrip_members.h"

#include <QPointer>
#include <QTabBar>

namespace qv::mscomctl
{

Tabs::Tabs(QTabBar &bar)
    : bar_(bar)
    , selected_(bar.currentIndex())
{
    for (int position = 0; position < bar.count(); ++position)
        tabs_.insert(position, *new Tab(*this));
}

Tab *Tabs::selected() const
{
    return selected_ >= 0 && selected_ < count() ? tabs_.at(selected_) : nullptr;
}

QObject *Tabs::Add(const QVariant &Index, const QVariant &Key, const QVariant &Caption, const QVariant &Image)
{
    const Outcome<int> at = tabs_.placeFor(Index);
    if (!at) {
        refuse(at.failure());
        return nullptr;
    }
    if (std::optional<Failure> refused = tabs_.refusedKey(Key)) {
        refuse(*std::move(refused));
        return nullptr;
    }
    if (std::optional<Failure> refused = kit::refusedImage(Image)) {
        refuse(*std::move(refused));
        return nullptr;
    }
    auto *tab = new Tab(*this);
    tabs_.insert(at.value(), *tab);
    rearranging_ = true;
    bar_.insertTab(at.value(), kit::textArgument(Caption));
    rearranging_ = false;
    // A tab put before the selected one moves it along.
    selected_ = bar_.currentIndex();
    tab->setKey(kit::keyText(Key));
    return tab;
}

QObject *Tabs::Item(const QVariant &Index)
{
    Outcome<Tab *> found = tabs_.find(Index);
    if (!found) {
        refuse(std::move(found).failure());
        return nullptr;
    }
    return found.value();
}

void Tabs::Remove(const QVariant &Index)
{
    Outcome<Tab *> found = tabs_.find(Index);
    if (!found)
        return refuse(std::move(found).failure());
    const int position = tabs_.positionOf(*found.value());
    delete tabs_.take(position);
    rearranging_ = true;
    bar_.removeTab(position);
    rearranging_ = false;
    selected_ = bar_.currentIndex();
}

void Tabs::Clear()
{
    while (count() > 0)
        Remove(QVariant(1));
}

TabStripMembers::TabStripMembers(QTabBar &bar)
    : bar_(bar)
    , tabs_(new mscomctl::Tabs(bar))
{
    tabs_->setParent(this);
    connect(&bar, &QTabBar::currentChanged, this, &TabStripMembers::selectionChanged);
}

void TabStripMembers::selectionChanged(int position)
{
    if (tabs_->rearranging())
        return;
    const Tab *before = tabs_->selected();
    // A handler may unload the form, and these members with it.
    const QPointer<TabStripMembers> alive(this);
    short cancel = 0;
    emit BeforeClick(cancel);
    if (!alive)
        return;
    if (cancel != 0) {
        const QSignalBlocker quiet(bar_);
        bar_.setCurrentIndex(before ? tabs_->positionOf(*before) : -1);
        return;
    }
    tabs_->noteSelected(position);
    emit Click();
}

} // namespace qv::mscomctl
