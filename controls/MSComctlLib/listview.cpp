#include "listview.h"

#include "controls/interface/checked_block.h"

#include <QHeaderView>
#include <QPainter>
#include <QScrollBar>
#include <QStandardItemModel>
#include <QStyledItemDelegate>

namespace qv::mscomctl
{

namespace
{
// Draws an item of the report view across the columns: its text, as the list draws it, under the first;
// each sub-item under its own.
class ReportDelegate final : public QStyledItemDelegate
{
public:
    explicit ReportDelegate(ListViewWidget &list)
        : QStyledItemDelegate(&list)
        , list_(list)
    {
    }

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        if (list_.view() != ListViewWidget::Report)
            return QStyledItemDelegate::paint(painter, option, index);
        const QHeaderView &header = list_.header();
        const bool selected = option.state & QStyle::State_Selected;
        if (selected && list_.fullRowSelect())
            painter->fillRect(option.rect, option.palette.highlight());
        const QListWidgetItem *item = list_.item(index.row());
        for (int column = 0; column < header.count() && item; ++column) {
            const QRect cell(option.rect.x() + header.sectionPosition(column), option.rect.y(),
                             header.sectionSize(column), option.rect.height());
            if (column == 0) {
                QStyleOptionViewItem first = option;
                first.rect = cell;
                QStyledItemDelegate::paint(painter, first, index);
                continue;
            }
            const auto alignment = Qt::Alignment(
                list_.columns().headerData(column, Qt::Horizontal, Qt::TextAlignmentRole).toInt());
            painter->setPen(selected && list_.fullRowSelect() ? option.palette.highlightedText().color()
                                                              : option.palette.text().color());
            const QRect text = cell.adjusted(4, 0, -4, 0);
            painter->drawText(text, int(alignment | Qt::AlignVCenter),
                              option.fontMetrics.elidedText(ListViewWidget::cellText(*item, column),
                                                            Qt::ElideRight, text.width()));
        }
    }

    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        QSize size = QStyledItemDelegate::sizeHint(option, index);
        if (list_.view() == ListViewWidget::Report)
            size.setWidth(std::max(list_.header().length(), 1));
        return size;
    }

private:
    ListViewWidget &list_;
};
} // namespace

ListViewWidget::ListViewWidget(int view, QWidget &container)
    : QListWidget(&container)
    , columns_(new QStandardItemModel(0, 0, this))
    , header_(new QHeaderView(Qt::Horizontal, this))
{
    header_->setModel(columns_);
    header_->setSectionsClickable(true);
    header_->hide();
    setItemDelegate(new ReportDelegate(*this));
    connect(header_, &QHeaderView::sectionResized, this, [this] { scheduleDelayedItemsLayout(); });
    connect(header_, &QHeaderView::geometriesChanged, this, [this] { updateGeometries(); });
    connect(horizontalScrollBar(), &QScrollBar::valueChanged, this,
            [this] { header_->setOffset(horizontalOffset()); });
    setView(view);
    // The control's window is white whatever the desktop's colours are.
    QPalette palette = this->palette();
    palette.setColor(QPalette::Base, Qt::white);
    setPalette(palette);
}

void ListViewWidget::setView(int view)
{
    view_ = view;
    if (view == Report) {
        setViewMode(QListView::ListMode);
        setFlow(QListView::TopToBottom);
        setWrapping(false);
        header_->show();
    } else {
        setViewMode(view == LargeIcons ? QListView::IconMode : QListView::ListMode);
        // Small icons fill rows, the list view fills columns; both wrap at the window's edge.
        setFlow(view == List ? QListView::TopToBottom : QListView::LeftToRight);
        setWrapping(true);
        header_->hide();
    }
    updateGeometries();
    scheduleDelayedItemsLayout();
}

bool ListViewWidget::isHeaderHidden() const
{
    return header_->isHidden();
}

void ListViewWidget::setFullRowSelect(bool on)
{
    fullRowSelect_ = on;
    viewport()->update();
}

QString ListViewWidget::cellText(const QListWidgetItem &item, int column)
{
    return column == 0 ? item.text() : item.data(subItemRole(column)).toString();
}

void ListViewWidget::updateGeometries()
{
    // A header without columns still shows as an empty bar a line of text high.
    const int height = header_->isHidden()
        ? 0
        : std::max(header_->sizeHint().height(),
                   header_->fontMetrics().height() + 2 * header_->frameWidth() + 4);
    setViewportMargins(0, height, 0, 0);
    QListWidget::updateGeometries();
    const QRect area = viewport()->geometry();
    header_->setGeometry(area.left(), area.top() - height, area.width(), height);
    header_->setOffset(horizontalOffset());
}

bool ListRow::operator<(const QListWidgetItem &other) const
{
    const auto *list = qobject_cast<const ListViewWidget *>(listWidget());
    const int column = list ? list->sortColumn() : 0;
    return ListViewWidget::cellText(*this, column)
               .compare(ListViewWidget::cellText(other, column), Qt::CaseInsensitive)
        < 0;
}

ControlLibrary::Creation createListView(std::span<const std::byte> settings, QWidget &container)
{
    settings::CheckedBlock state(settings);
    const int view = state.integer(u"View", ListViewWidget::LargeIcons, ListViewWidget::LargeIcons,
                                   ListViewWidget::Report);
    if (!state.ok())
        return { nullptr, state.error() };
    return { new ListViewWidget(view, container), {} };
}

} // namespace qv::mscomctl
