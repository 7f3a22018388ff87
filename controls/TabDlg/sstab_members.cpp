#include "sstab_members.h"
#include "sstab.h"

#include <QTabWidget>
#include <utility>

namespace qv::tabdlg
{

SSTabMembers::SSTabMembers(QTabWidget &tabs)
    : tabs_(tabs)
    , previous_(tabs.currentIndex())
{
    connect(&tabs, &QTabWidget::currentChanged, this, [this](int now) {
        const int before = std::exchange(previous_, now);
        if (now >= 0 && before != now)
            emit Click(static_cast<short>(before));
    });
}

bool SSTabMembers::refusedTab(int index, Status status)
{
    if (index >= 0 && index < tabs())
        return false;
    refuse(status, QStringLiteral("the tab is 0 to %1").arg(tabs() - 1));
    return true;
}

int SSTabMembers::tab() const
{
    return tabs_.currentIndex();
}

void SSTabMembers::setTab(int tab)
{
    if (!refusedTab(tab, status::invalidPropertyValue))
        tabs_.setCurrentIndex(tab);
}

int SSTabMembers::tabs() const
{
    return tabs_.count();
}

// New tabs come at the end, named as a new control's are; the last ones go first.
void SSTabMembers::setTabs(int count)
{
    if (count < 1 || count > mostTabs)
        return refuse(status::invalidPropertyValue, QStringLiteral("Tabs is 1 to %1").arg(mostTabs));
    while (tabs() < count)
        tabs_.addTab(new QWidget(&tabs_), defaultTabCaption(tabs()));
    while (tabs() > count) {
        QWidget *page = tabs_.widget(tabs() - 1);
        tabs_.removeTab(tabs() - 1);
        delete page;
    }
}

QString SSTabMembers::caption() const
{
    return tabs_.tabText(tab());
}

void SSTabMembers::setCaption(const QString &caption)
{
    tabs_.setTabText(tab(), caption);
}

QString SSTabMembers::TabCaption(int index)
{
    return refusedTab(index, status::subscriptOutOfRange) ? QString() : tabs_.tabText(index);
}

void SSTabMembers::TabCaption(int index, const QString &value)
{
    if (!refusedTab(index, status::subscriptOutOfRange))
        tabs_.setTabText(index, value);
}

bool SSTabMembers::TabEnabled(int index)
{
    return !refusedTab(index, status::subscriptOutOfRange) && tabs_.isTabEnabled(index);
}

void SSTabMembers::TabEnabled(int index, bool value)
{
    if (!refusedTab(index, status::subscriptOutOfRange))
        tabs_.setTabEnabled(index, value);
}

} // namespace qv::tabdlg
