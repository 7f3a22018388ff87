// The data grid module: an unbound grid's columns, header row and record selectors from the saved state,
// malformed blocks refused.

#include "controls/interface/settings_block.h"
#include "support/control_module.h"

#include <QHeaderView>
#include <QTableWidget>
#include <vector>

namespace qv::test
{
namespace
{

using settings::Property;
using Bytes = std::vector<std::byte>;

constexpr QStringView dataGrid = u"{CDE57A43-8B86-11D0-B3C6-00A0C90AEA82}";

template<std::size_t P> Bytes gridBlock(const std::array<Property, P> &state)
{
    const auto block
        = settings::makeBlock<404>(settings::twipsToHimetric(3735), settings::twipsToHimetric(1095), state);
    return { block.begin(), block.end() };
}

const Bytes defaultGrid = gridBlock(std::array { Property::integer("Columns", 2) });

// Names each row of a data-driven test after its name field.
template<class Row> std::string nameOfRow(const ::testing::TestParamInfo<Row> &row)
{
    return row.param.name;
}

struct GridCase {
    const char *name;
    Bytes block;
    QStringList headings;
    bool headerRow;
    bool recordSelectors;
};

void PrintTo(const GridCase &row, std::ostream *out)
{
    *out << row.name;
}

class MSDataGridLibGrids : public ::testing::TestWithParam<GridCase>
{
};

TEST_P(MSDataGridLibGrids, ShowEmptyColumnsUnderTheirHeadings)
{
    const GridCase &expected = GetParam();
    QWidget container;
    const ControlLibrary::Creation made = loadModule("msdatgrd")->create(dataGrid, expected.block, container);
    ASSERT_NE(made.object, nullptr) << qPrintable(made.error);
    auto *grid = qobject_cast<QTableWidget *>(made.object);
    ASSERT_NE(grid, nullptr);
    EXPECT_EQ(grid->parent(), &container);
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
    ::testing::Values(
        GridCase { "Default", defaultGrid, { QString(), QString() }, true, true },
        GridCase {
            "NothingStored", gridBlock(std::array<Property, 0> {}), { QString(), QString() }, true, true },
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

class MSDataGridLibFaults : public ::testing::TestWithParam<Fault>
{
};

TEST_P(MSDataGridLibFaults, GiveNoGridAndAMessageNamingTheFault)
{
    const Fault &fault = GetParam();
    QWidget container;
    const ControlLibrary::Creation made = loadModule("msdatgrd")->create(fault.clsid, fault.block, container);
    EXPECT_EQ(made.object, nullptr);
    EXPECT_TRUE(made.error.contains(QLatin1String(fault.named))) << qPrintable(made.error);
    EXPECT_TRUE(container.children().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    MalformedBlocks, MSDataGridLibFaults,
    ::testing::Values(Fault { "WrongMarker", dataGrid, withWrongMarker(), "marker" },
                      Fault { "CutInTheHead", dataGrid, cutTo(12), "16-byte head" },
                      Fault { "CutInTheState", dataGrid, cutTo(22), "runs past the end" },
                      Fault { "NoColumns", dataGrid,
                              gridBlock(std::array { Property::integer("Columns", 0) }), "Columns is 0" },
                      Fault { "SelectorsNeitherShownNorHidden", dataGrid,
                              gridBlock(std::array { Property::integer("RecordSelectors", 2) }),
                              "RecordSelectors is 2" },
                      Fault { "CaptionAsNumber", dataGrid,
                              gridBlock(std::array { Property::integer("ColumnCaption(0)", 7) }),
                              "ColumnCaption(0) is stored as a number" },
                      Fault { "UnknownClass", u"{00000000-0000-0000-0000-000000000000}", defaultGrid,
                              "MSDATGRD.OCX has no class" }),
    nameOfRow<Fault>);

} // namespace
} // namespace qv::test
