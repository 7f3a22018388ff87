#include "tabstrip_tab.h"
#include "tabstrip_members.h"

#include <QTabBar>

namespace qv::mscomctl
{

Tab::Tab(Tabs &tabs)
    : MemberObject(&tabs)
    , tabs_(tabs)
{
}

QString Tab::caption() const
{
    return tabs_.bar().tabText(tabs_.positionOf(*this));
}

void Tab::setCaption(const QString &caption)
{
    tabs_.bar().setTabText(tabs_.positionOf(*this), caption);
}

void Tab::setKey(const QString &key)
{
    if (std::optional<Failure> refused = tabs_.refusedKey(key, *this))
        return refuse(*std::move(refused));
    key_ = key;
}

int Tab::index() const
{
    return tabs_.positionOf(*this) + 1;
}

bool Tab::selected() const
{
    return tabs_.selected() == this;
}

void Tab::setSelected(bool selected)
{
    if (selected)
        return tabs_.bar().setCurrentIndex(tabs_.positionOf(*this));
    if (this->selected())
        refuse(status::invalidPropertyValue,
               QStringLiteral("a tab strip always has a tab selected: select another tab instead"));
}

QString Tab::toolTipText() const
{
    return tabs_.bar().tabToolTip(tabs_.positionOf(*this));
}

void Tab::setToolTipText(const QString &text)
{
    tabs_.bar().setTabToolTip(tabs_.positionOf(*this), text);
}

void Tab::setImage(const QVariant &image)
{
    if (std::optional<Failure> refused = kit::refusedImage(image))
        return refuse(*std::move(refused));
    image_ = image;
}

} // namespace qv::mscomctl
