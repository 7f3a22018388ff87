#pragma once
// The data grid's own members without a data source: it holds no records, so no row is current and no cell
// has text; a program moves the current column, shows or hides the header row and the record selectors, and
// hears clicks on the grid and on its headings.

#include <quorvane/member_object.h>

class QTableWidget;

namespace qv::msdatagrid
{

class DataGridMembers final : public MemberObject
{
    Q_OBJECT
    // -1 while the grid holds no records.
    Q_PROPERTY(int Row READ row WRITE setRow STORED false)
    Q_PROPERTY(int Col READ col WRITE setCol STORED false)
    Q_PROPERTY(bool ColumnHeaders READ columnHeaders WRITE setColumnHeaders STORED true)
    Q_PROPERTY(bool RecordSelectors READ recordSelectors WRITE setRecordSelectors STORED true)
public:
    explicit DataGridMembers(QTableWidget &grid);

    int row() const;
    void setRow(int row);
    int col() const;
    void setCol(int col);
    bool columnHeaders() const;
    void setColumnHeaders(bool shown);
    bool recordSelectors() const;
    void setRecordSelectors(bool shown);

signals:
    // The grid's cells area was clicked.
    void Click();
    // A column's heading was clicked.
    void HeadClick(short ColIndex);
    // The current row or column changed.
    void RowColChange();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QTableWidget &grid_;
    // The current column, kept here: with no records there is no current cell to keep it.
    int col_ = 0;
};

} // namespace qv::msdatagrid
