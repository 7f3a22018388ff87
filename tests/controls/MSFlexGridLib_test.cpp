// The flex grid module: grids shaped from the saved state, fixed cells grey, malformed blocks refused.

#include "controls/interface/settings_block.h"
#include "support/control_module.h"

#include <QHeaderView>
#include <QImage>
#include <QTableWidget>
#include <vector>

namespace qv::test
{
namespace
{

using settings::Property;
using Bytes = std::vector<std::byte>;

constexpr QStringView msFlexGrid = u"{6262D3A0-531B-11CF-91F6-C2863C385E30}";
constexpr std::int32_t gridWidth = settings::twipsToHimetric(3735);
constexpr std::int32_t gridHeight = settings::twipsToHimetric(1215);

template<std::size_t N> Bytes bytes(const std::array<std::byte, N> &block)
{
    return { block.begin(), block.end() };
}

template<std::size_t P> Bytes gridBlock(const std::array<Property, P> &state)
{
    return bytes(settings::makeBlock<212>(gridWidth, gridHeight, state));
}

const Bytes defaultGrid
    = gridBlock(std::array { Property::integer("Rows", 2), Property::integer("Cols", 2),
                             Property::integer("FixedRows", 1), Property::integer("FixedCols", 1) });

// Names each row of a data-driven test after its name field.
template<class Row> std::string nameOfRow(const ::testing::TestParamInfo<Row> &row)
{
    return row.param.name;
}

struct GridCase {
    const char *name;
    Bytes block;
    int rows, cols, fixedRows, fixedCols;
};

void PrintTo(const GridCase &row, std::ostream *out)
{
    *out << row.name;
}

class MSFlexGridLibShapes : public ::testing::TestWithParam<GridCase>
{
};

TEST_P(MSFlexGridLibShapes, DrawFixedCellsGreyAndDataCellsOnTheBase)
{
    const GridCase &expected = GetParam();
    QWidget container;
    const ControlLibrary::Creation made
        = loadModule("msflxgrd")->create(msFlexGrid, expected.block, container);
    ASSERT_NE(made.object, nullptr) << qPrintable(made.error);
    auto *grid = qobject_cast<QTableWidget *>(made.object);
    ASSERT_NE(grid, nullptr);
    EXPECT_EQ(grid->parent(), &container);
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

INSTANTIATE_TEST_SUITE_P(
    SavedStates, MSFlexGridLibShapes,
    ::testing::Values(GridCase { "Default", defaultGrid, 2, 2, 1, 1 },
                      GridCase { "NothingStored", gridBlock(std::array<Property, 0> {}), 2, 2, 1, 1 },
                      GridCase { "TwoFixedRowsNoFixedColumn",
                                 gridBlock(std::array {
                                     Property::integer("Rows", 4), Property::integer("Cols", 3),
                                     Property::integer("FixedRows", 2), Property::integer("FixedCols", 0) }),
                                 4, 3, 2, 0 },
                      GridCase { "OnlyDataCells",
                                 gridBlock(std::array { Property::integer("FixedRows", 0),
                                                        Property::integer("FixedCols", 0) }),
                                 2, 2, 0, 0 }),
    nameOfRow<GridCase>);

struct Fault {
    const char *name;
    QStringView clsid;
    Bytes block;
    const char *named; // what the message must name
};

void PrintTo(const Fault &row, std::ostream *out)
{
    *out << row.name;
}

Bytes withWrongMarker()
{
    Bytes block = defaultGrid;
    block[0] = std::byte { 0x00 };
    return block;
}

Bytes cutTo(std::size_t length)
{
    return { defaultGrid.begin(), defaultGrid.begin() + static_cast<std::ptrdiff_t>(length) };
}

class MSFlexGridLibFaults : public ::testing::TestWithParam<Fault>
{
};

TEST_P(MSFlexGridLibFaults, GiveNoGridAndAMessageNamingTheFault)
{
    const Fault &fault = GetParam();
    QWidget container;
    const ControlLibrary::Creation made = loadModule("msflxgrd")->create(fault.clsid, fault.block, container);
    EXPECT_EQ(made.object, nullptr);
    EXPECT_TRUE(made.error.contains(QLatin1String(fault.named))) << qPrintable(made.error);
    EXPECT_TRUE(container.children().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    MalformedBlocks, MSFlexGridLibFaults,
    ::testing::Values(
        Fault { "WrongMarker", msFlexGrid, withWrongMarker(), "marker" },
        Fault { "CutInTheHead", msFlexGrid, cutTo(10), "16-byte head" },
        Fault { "CutInTheState", msFlexGrid, cutTo(22), "runs past the end" },
        Fault { "NoRows", msFlexGrid, gridBlock(std::array { Property::integer("Rows", 0) }), "Rows is 0" },
        Fault { "AllRowsFixed", msFlexGrid,
                gridBlock(std::array { Property::integer("Rows", 2), Property::integer("FixedRows", 2) }),
                "FixedRows is 2 but Rows is 2" },
        Fault { "AllColumnsFixed", msFlexGrid,
                gridBlock(std::array { Property::integer("Cols", 1), Property::integer("FixedCols", 1) }),
                "FixedCols is 1 but Cols is 1" },
        Fault { "ColumnsAsText", msFlexGrid, gridBlock(std::array { Property::string("Cols", "2") }),
                "Cols is stored as a text" },
        Fault { "UnknownClass", u"{00000000-0000-0000-0000-000000000000}", defaultGrid,
                "MSFLXGRD.OCX has no class" }),
    nameOfRow<Fault>);

} // namespace
} // namespace qv::test
