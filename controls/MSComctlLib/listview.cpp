#include "listview.h"

#include "controls/interface/checked_block.h"

#include <QListWidget>
#include <QTreeWidget>

namespace qv::mscomctl
{

namespace
{
enum View { LargeIcons = 0, SmallIcons = 1, List = 2, Report = 3 };

QAbstractItemView *makeView(int view, QWidget &container)
{
    if (view == Report) {
        auto *report = new QTreeWidget(&container);
        report->setRootIsDecorated(false);
        return report;
    }
    auto *list = new QListWidget(&container);
    list->setViewMode(view == LargeIcons ? QListView::IconMode : QListView::ListMode);
    // Small icons fill rows, the list view fills columns; both wrap at the window's edge.
    list->setFlow(view == List ? QListView::TopToBottom : QListView::LeftToRight);
    list->setWrapping(true);
    return list;
}
} // namespace

ControlLibrary::Creation createListView(std::span<const std::byte> settings, QWidget &container)
{
    settings::CheckedBlock state(settings);
    const int view = state.integer(u"View", LargeIcons, LargeIcons, Report);
    if (!state.ok())
        return { nullptr, state.error() };

    QAbstractItemView *itemView = makeView(view, container);
    // The control's window is white whatever the desktop's colours are.
    QPalette palette = itemView->palette();
    palette.setColor(QPalette::Base, Qt::white);
    itemView->setPalette(palette);
    return { itemView, {} };
}

} // namespace qv::mscomctl
