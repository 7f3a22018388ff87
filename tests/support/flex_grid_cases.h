#pragma once
// What the tests of the two flex grid modules share: both read the same saved state and refuse the same
// faults in it, so each is given the same cases, in blocks of its own length and extents.

#include "support/control_module_cases.h"

#include <QHeaderView>
#include <QImage>
#include <QTableWidget>

namespace qv::test
{

// A grid's block and the shape it must take.
struct GridShape {
    const char *name;
    Bytes block;
    int rows, cols, fixedRows, fixedCols;
};

using GridShapeTest = ::testing::TestWithParam<GridShape>;

// The grid has no headers of Qt's own; its fixed cells are drawn grey, its data cells on the base colour.
inline void expectDrawnInItsShape(const char *stem, QStringView clsid, const GridShape &expected)
{
    QWidget container;
    auto *grid = madeChild<QTableWidget>(create(stem, clsid, expected.block, container), container);
    ASSERT_NE(grid, nullptr);
    ASSERT_EQ(grid->rowCount(), expected.rows);
    ASSERT_EQ(grid->columnCount(), expected.cols);
    EXPECT_TRUE(grid->horizontalHeader()->isHidden());
    EXPECT_TRUE(grid->verticalHeader()->isHidden());

    container.resize(700, 500);
    grid->resize(640, 480);
    container.show();
    const QImage picture = grid->viewport()->grab().toImage();
    const QString grey = grid->palette().color(QPalette::Button).name();
    const QString base = grid->palette().color(QPalette::Base).name();
    for (int row = 0; row < expected.rows; ++row) {
        for (int col = 0; col < expected.cols; ++col) {
            const QPoint centre = grid->visualRect(grid->model()->index(row, col)).center();
            const bool fixed = row < expected.fixedRows || col < expected.fixedCols;
            EXPECT_EQ(picture.pixelColor(centre).name().toStdString(), (fixed ? grey : base).toStdString())
                << "cell " << row << ", " << col;
        }
    }
    const QRect lastCell = grid->visualRect(grid->model()->index(0, expected.cols - 1));
    const QPoint pastTheCells(lastCell.right() + 10, lastCell.center().y());
    EXPECT_NE(picture.pixelColor(pastTheCells).name(), base) << "the background past the last column";
}

// Two rows and two columns, the first of each fixed.
template<std::size_t N> Bytes defaultGrid(const BlockBuilder<N> &gridBlock)
{
    return gridBlock(std::array { Property::integer("Rows", 2), Property::integer("Cols", 2),
                                  Property::integer("FixedRows", 1), Property::integer("FixedCols", 1) });
}

// The shapes a grid takes from its saved state.
template<std::size_t N> std::vector<GridShape> gridShapes(const BlockBuilder<N> &gridBlock)
{
    return {
        { "Default", defaultGrid(gridBlock), 2, 2, 1, 1 },
        { "NothingStored", gridBlock(noState), 2, 2, 1, 1 },
        { "TwoFixedRowsNoFixedColumn",
          gridBlock(std::array { Property::integer("Rows", 4), Property::integer("Cols", 3),
                                 Property::integer("FixedRows", 2), Property::integer("FixedCols", 0) }),
          4, 3, 2, 0 },
        { "OnlyDataCells",
          gridBlock(std::array { Property::integer("FixedRows", 0), Property::integer("FixedCols", 0) }), 2,
          2, 0, 0 },
    };
}

// The blocks a grid refuses. Its refusal of an unknown class names its library file: noSuchClass is that
// part of the message.
template<std::size_t N>
std::vector<MalformedBlock> gridFaults(QStringView clsid, const BlockBuilder<N> &gridBlock,
                                       const char *noSuchClass)
{
    const Bytes whole = defaultGrid(gridBlock);
    return {
        { "WrongMarker", clsid, withWrongMarker(whole), "marker" },
        { "CutInTheHead", clsid, cutTo(whole, 10), "16-byte head" },
        { "CutInTheState", clsid, cutTo(whole, 22), "runs past the end" },
        { "NoRows", clsid, gridBlock(std::array { Property::integer("Rows", 0) }), "Rows is 0" },
        { "AllRowsFixed", clsid,
          gridBlock(std::array { Property::integer("Rows", 2), Property::integer("FixedRows", 2) }),
          "FixedRows is 2 but Rows is 2" },
        { "AllColumnsFixed", clsid,
          gridBlock(std::array { Property::integer("Cols", 1), Property::integer("FixedCols", 1) }),
          "FixedCols is 1 but Cols is 1" },
        { "ColumnsAsText", clsid, gridBlock(std::array { Property::string("Cols", "2") }),
          "Cols holds a text" },
        { "UnknownClass", unknownClass, whole, noSuchClass },
    };
}

} // namespace qv::test
