// The data grid module: an unbound grid's columns, header row and record selectors from the saved state,
// malformed blocks refused.

#include "support/control_module_cases.h"

#include <QHeaderView>
#include <QTableWidget>

namespace qv::test
{
namespace
{

constexpr auto dataGrid = manifestClassId("MSDataGridLib.DataGrid");
constexpr BlockBuilder<404> gridBlock { settings::twipsToHimetric(3735), settings::twipsToHimetric(1095) };

const Bytes defaultGrid = gridBlock(std::array { Property::integer("Columns", 2) });

struct GridCase {
    const char *name;
    Bytes block;
    QStringList headings;
    bool headerRow;
    bool recordSelectors;
};

using test::PrintTo;

class MSDataGridLibGrids : public ::testing::TestWithParam<GridCase>
{
};

TEST_P(MSDataGridLibGrids, ShowEmptyColumnsUnderTheirHeadings)
{
    const GridCase &expected = GetParam();
    QWidget container;
    auto *grid = madeChild<QTableWidget>(create("msdatgrd", dataGrid, expected.block, container), container);
    ASSERT_NE(grid, nullptr);
    EXPECT_EQ(grid->rowCount(), 0) << "an unbound grid has no records";
    ASSERT_EQ(grid->columnCount(), expected.headings.size());
    for (int col = 0; col < grid->columnCount(); ++col)
        EXPECT_EQ(grid->model()->headerData(col, Qt::Horizontal).toString(), expected.headings[col]) << col;
    EXPECT_EQ(!grid->horizontalHeader()->isHidden(), expected.headerRow);
    EXPECT_EQ(!grid->verticalHeader()->isHidden(), expected.recordSelectors);
    if (expected.recordSelectors) {
        EXPECT_GT(grid->verticalHeader()->width(), 0);
        EXPECT_LT(grid->verticalHeader()->width(), grid->columnWidth(0)) << "a narrow strip";
    }
}

INSTANTIATE_TEST_SUITE_P(
    SavedStates, MSDataGridLibGrids,
    ::testing::Values(GridCase { "Default", defaultGrid, { QString(), QString() }, true, true },
                      GridCase { "NothingStored", gridBlock(noState), { QString(), QString() }, true, true },
                      GridCase { "NamedColumnWithoutSelectors",
                                 gridBlock(std::array { Property::integer("Columns", 3),
                                                        Property::string("ColumnCaption(1)", "Name"),
                                                        Property::integer("RecordSelectors", 0) }),
                                 { QString(), QStringLiteral("Name"), QString() },
                                 true,
                                 false },
                      GridCase { "WithoutHeaderRow",
                                 gridBlock(std::array { Property::integer("ColumnHeaders", 0) }),
                                 { QString(), QString() },
                                 false,
                                 true }),
    rowName);

using MSDataGridLibFaults = MalformedBlockTest;
TEST_P(MSDataGridLibFaults, GiveNoGridAndAMessageNamingTheFault)
{
    expectRefused("msdatgrd", GetParam());
}
INSTANTIATE_TEST_SUITE_P(
    MalformedBlocks, MSDataGridLibFaults,
    ::testing::Values(
        MalformedBlock { "WrongMarker", dataGrid, withWrongMarker(defaultGrid), "marker" },
        MalformedBlock { "CutInTheHead", dataGrid, cutTo(defaultGrid, 12), "16-byte head" },
        MalformedBlock { "CutInTheState", dataGrid, cutTo(defaultGrid, 22), "runs past the end" },
        MalformedBlock { "NoColumns", dataGrid, gridBlock(std::array { Property::integer("Columns", 0) }),
                         "Columns is 0" },
        MalformedBlock { "SelectorsNeitherShownNorHidden", dataGrid,
                         gridBlock(std::array { Property::integer("RecordSelectors", 2) }),
                         "RecordSelectors is 2" },
        MalformedBlock { "CaptionAsNumber", dataGrid,
                         gridBlock(std::array { Property::integer("ColumnCaption(0)", 7) }),
                         "ColumnCaption(0) holds a number" },
        MalformedBlock { "UnknownClass", unknownClass, defaultGrid, "MSDATGRD.OCX has no class" }),
    rowName);

} // namespace
} // namespace qv::test
