#include "sstab.h"

#include "controls/interface/accessible_role.h"
#include "controls/interface/checked_block.h"

#include <QStringList>
#include <QTabWidget>

namespace qv::tabdlg
{

QString defaultTabCaption(int tab)
{
    return QStringLiteral("Tab %1").arg(tab);
}

ControlLibrary::Creation createSSTab(std::span<const std::byte> settings, QWidget &container)
{
    settings::CheckedBlock state(settings);
    const int tabs = state.integer(u"Tabs", 3, 1, mostTabs);
    QStringList captions;
    for (int i = 0; i < tabs; ++i)
        captions << state.text(QStringLiteral("TabCaption(%1)").arg(i), defaultTabCaption(i));
    if (!state.ok())
        return { nullptr, state.error() };

    auto *tabWidget = new QTabWidget(&container);
    presentAs(*tabWidget, QAccessible::PageTabList);
    for (const QString &caption : captions)
        tabWidget->addTab(new QWidget(tabWidget), caption);
    return { tabWidget, {} };
}

} // namespace qv::tabdlg
