#include "sstab.h"

#include "controls/interface/settings_block.h"
#include "controls/interface/accessible_role.h"

#include <QTabWidget>

namespace qv::tabdlg
{

ControlLibrary::Creation createSSTab(std::span<const std::byte> settings, QWidget &container)
{
    settings::Block block;
    QString error;
    if (!settings::readBlock(settings, block, error))
        return { nullptr, error };
    const int tabs = block.state.integer(u"Tabs").value_or(3);
    if (tabs < 1 || tabs > 32)
        return { nullptr, QStringLiteral("Tabs is %1; a tab dialog has 1 to 32 tabs").arg(tabs) };

    auto *tabWidget = new QTabWidget(&container);
    presentAs(*tabWidget, QAccessible::PageTabList);
    for (int i = 0; i < tabs; ++i) {
        const QString caption = block.state.text(QStringLiteral("TabCaption(%1)").arg(i))
                                    .value_or(QStringLiteral("Tab %1").arg(i));
        tabWidget->addTab(new QWidget(tabWidget), caption);
    }
    return { tabWidget, {} };
}

} // namespace qv::tabdlg
