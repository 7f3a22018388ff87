#pragma once
// Stands in for the list view: a white list in one of the control's four views. The report view shows a
// header of columns above one row per item: its text under the first column, its sub-items under the others.

#include <quorvane/control_library.h>

#include <QListWidget>

class QHeaderView;
class QStandardItemModel;

namespace qv::mscomctl
{

class ListViewWidget final : public QListWidget
{
    Q_OBJECT
    // Whether the column headers are hidden: in every view but the report.
    Q_PROPERTY(bool headerHidden READ isHeaderHidden)
public:
    enum View { LargeIcons = 0, SmallIcons = 1, List = 2, Report = 3 };

    ListViewWidget(int view, QWidget &container);

    int view() const { return view_; }
    void setView(int view);
    bool isHeaderHidden() const;
    QHeaderView &header() const { return *header_; }
    // The columns' titles, alignments and count, as the header shows them.
    QStandardItemModel &columns() const { return *columns_; }
    bool fullRowSelect() const { return fullRowSelect_; }
    void setFullRowSelect(bool on);
    // The column the items sort by: 0 their text, n their sub-item n.
    int sortColumn() const { return sortColumn_; }
    void setSortColumn(int column) { sortColumn_ = column; }

    // The role an item keeps its sub-item n in.
    static int subItemRole(int n) { return Qt::UserRole + n; }
    // What an item shows under a column, and sorts by.
    static QString cellText(const QListWidgetItem &item, int column);

protected:
    void updateGeometries() override;

private:
    int view_ = LargeIcons;
    int sortColumn_ = 0;
    bool fullRowSelect_ = false;
    QStandardItemModel *columns_;
    QHeaderView *header_;
};

// An item of the list, ordered by the column the list sorts by, without regard to case.
class ListRow final : public QListWidgetItem
{
public:
    using QListWidgetItem::QListWidgetItem;
    bool operator<(const QListWidgetItem &other) const override;
};

// Saved state: "View" (0 large icons, the default; 1 small icons; 2 list; 3 report, a list with column
// headers).
ControlLibrary::Creation createListView(std::span<const std::byte> settings, QWidget &container);

} // namespace qv::mscomctl
