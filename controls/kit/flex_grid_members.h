#pragma once
// The members of the flex grids (the flex grid and the hierarchical one, unbound): the grid's shape, the
// current cell, the text of any cell, and the widths and heights of its columns and rows in twips.

#include "flex_grid.h"

#include <quorvane/member_object.h>

namespace qv::kit
{

class FlexGridMembers final : public MemberObject
{
    Q_OBJECT
    Q_PROPERTY(int Rows READ rows WRITE setRows STORED true)
    Q_PROPERTY(int Cols READ cols WRITE setCols STORED true)
    // A block stores these too, but only below its Rows and Cols: neither is a value to store on its own.
    Q_PROPERTY(int FixedRows READ fixedRows WRITE setFixedRows STORED false)
    Q_PROPERTY(int FixedCols READ fixedCols WRITE setFixedCols STORED false)
    Q_PROPERTY(int Row READ row WRITE setRow STORED false)
    Q_PROPERTY(int Col READ col WRITE setCol STORED false)
    Q_PROPERTY(QString Text READ text WRITE setText STORED false)
public:
    explicit FlexGridMembers(FlexGrid &grid);

    int rows() const;
    void setRows(int rows);
    int cols() const;
    void setCols(int cols);
    int fixedRows() const;
    void setFixedRows(int rows);
    int fixedCols() const;
    void setFixedCols(int cols);
    int row() const;
    void setRow(int row);
    int col() const;
    void setCol(int col);
    QString text() const;
    void setText(const QString &text);

    // TextMatrix(Row, Col) reads any cell's text; TextMatrix(Row, Col, Value) writes it.
    Q_INVOKABLE QString TextMatrix(int Row, int Col);
    Q_INVOKABLE void TextMatrix(int Row, int Col, const QString &Value);
    // ColWidth(Index) reads a column's width in twips; ColWidth(Index, Value) writes it: Index -1 for every
    // column, Value -1 for the default width.
    Q_INVOKABLE int ColWidth(int Index);
    Q_INVOKABLE void ColWidth(int Index, int Value);
    // RowHeight likewise for rows.
    Q_INVOKABLE int RowHeight(int Index);
    Q_INVOKABLE void RowHeight(int Index, int Value);

signals:
    // The grid was clicked.
    void Click();
    // The current cell moved, by the mouse, the keyboard or the program: EnterCell as it arrives, then
    // RowColChange.
    void EnterCell();
    void RowColChange();

private:
    // Whether a count of rows (or columns) would leave the grid more cells than it can hold; refuses if so.
    bool refusedShape(int rows, int cols);
    bool refusedCell(int row, int col, Status status);
    void moveTo(int row, int col);
    int sizeOf(Qt::Orientation lines, int index) const;
    void resize(Qt::Orientation lines, int index, int twips);

    FlexGrid &grid_;
};

} // namespace qv::kit
