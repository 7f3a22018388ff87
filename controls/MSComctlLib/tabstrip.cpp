#include "tabstrip.h"

#include "controls/interface/checked_block.h"

#include <QStringList>
#include <QTabBar>

namespace qv::mscomctl
{

ControlLibrary::Creation createTabStrip(std::span<const std::byte> settings, QWidget &container)
{
    settings::CheckedBlock state(settings);
    const int tabs = state.integer(u"Tabs", 1, 1, 64);
    QStringList captions;
    for (int tab = 1; tab <= tabs; ++tab)
        captions << state.text(QStringLiteral("TabCaption(%1)").arg(tab), QStringLiteral("Tab %1").arg(tab));
    if (!state.ok())
        return { nullptr, state.error() };

    auto *tabBar = new QTabBar(&container);
    for (const QString &caption : captions)
        tabBar->addTab(caption);
    return { tabBar, {} };
}

} // namespace qv::mscomctl
