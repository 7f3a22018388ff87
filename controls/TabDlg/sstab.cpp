#include "sstab.h"

#include "controls/interface/accessible_role.h"
#include "controls/interface/settings_block.h"

#include <QTabWidget>

namespace qv::tabdlg
{

ControlLibrary::Creation createSSTab(std::span<const std::byte> settings, QWidget &container)
{
    const Outcome<settings::Block> read = settings::readBlock(settings);
    if (!read)
        return { nullptr, read.failure().info.description };
    const settings::Block &block = read.value();
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
