#pragma once
// Stands in for the flex grids (the flex grid and the hierarchical one, unbound, look and load alike): a
// read-only grid whose fixed rows and columns are grey heading cells.

#include <quorvane/control_library.h>

#include <QTableWidget>
#include <optional>

namespace qv::kit
{

// The grid's window: its fixed rows and columns, and a current cell the mouse and the keyboard keep among
// the cells that hold data.
class FlexGrid final : public QTableWidget
{
    Q_OBJECT
public:
    FlexGrid(int fixedRows, int fixedCols, QWidget &container);

    int fixedRows() const { return fixedRows_; }
    int fixedCols() const { return fixedCols_; }
    void setFixedRows(int rows);
    void setFixedCols(int cols);
    bool isFixed(const QModelIndex &cell) const;

signals:
    // The left button was pressed and released over the grid.
    void clickedOver();

protected:
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    int fixedRows_;
    int fixedCols_;
};

enum class GridLines { rows, cols };

// Why a grid of `count` rows (or columns) cannot have `fixed` of them fixed, or nothing: at least one must
// hold data.
std::optional<QString> tooManyFixed(GridLines lines, int fixed, int count);

// Saved state: "Rows" and "Cols" (1 to 4096, default 2 each), "FixedRows" and "FixedCols" (default 1 each,
// and fewer than Rows and Cols, so that at least one row and one column hold data).
ControlLibrary::Creation createFlexGrid(std::span<const std::byte> settings, QWidget &container);

} // namespace qv::kit
