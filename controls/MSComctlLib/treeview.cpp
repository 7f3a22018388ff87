#include "treeview.h"

#include "controls/interface/checked_block.h"

#include <QTreeWidget>

namespace qv::mscomctl
{

ControlLibrary::Creation createTreeView(std::span<const std::byte> settings, QWidget &container)
{
    settings::CheckedBlock state(settings);
    const int indentation = state.integer(u"Indentation", 20, 0, 255);
    if (!state.ok())
        return { nullptr, state.error() };

    auto *tree = new QTreeWidget(&container);
    tree->setHeaderHidden(true);
    tree->setIndentation(indentation);
    // The control's window is white whatever the desktop's colours are.
    QPalette palette = tree->palette();
    palette.setColor(QPalette::Base, Qt::white);
    tree->setPalette(palette);
    return { tree, {} };
}

} // namespace qv::mscomctl
