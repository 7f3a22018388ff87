// The tabbed dialog's and the grids' own members through the runtime, as a program reaches them by name:
// tabs chosen and named, cells written and read, the grids' shape and sizes in twips, and the events the
// user's clicks and keys and the program's writes raise.

#include "support/library_members_fixture.h"

#include <QHeaderView>
#include <QTabBar>
#include <QTableView>
#include <vector>

namespace qv::test
{
namespace
{

Variant number(int value)
{
    return Variant(std::int32_t { value });
}

Variant words(const char *latin1)
{
    return Variant(QString::fromLatin1(latin1));
}

// A method's result, the call expected to succeed.
Variant result(Control &c, std::string_view method, std::initializer_list<Variant> arguments)
{
    const std::vector<Variant> given(arguments);
    Variant out;
    EXPECT_EQ(c.call(method, given, out), status::ok) << method;
    return out;
}

Variant property(Control &c, std::string_view name)
{
    Variant out;
    EXPECT_EQ(c.get(name, out), status::ok) << name;
    return out;
}

void clickCell(QWidget *widget, int row, int col)
{
    auto *grid = qobject_cast<QTableView *>(widget);
    ASSERT_NE(grid, nullptr) << "the grid is no table";
    const QRect cell = grid->visualRect(grid->model()->index(row, col));
    ASSERT_TRUE(grid->viewport()->rect().contains(cell.center()))
        << "cell " << row << ", " << col << " is not in view";
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
}

void clickTab(QWidget *widget, int tab)
{
    auto *bar = widget->findChild<QTabBar *>();
    ASSERT_NE(bar, nullptr) << "the tabbed dialog has no tab bar";
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(tab).center());
}

void clickHeading(QWidget *widget, int column)
{
    QHeaderView *header = static_cast<QTableView *>(widget)->horizontalHeader();
    const QPoint middle(header->sectionViewportPosition(column) + header->sectionSize(column) / 2,
                        header->height() / 2);
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, middle);
}

// A grid of three rows, so that a data cell other than the current one is a click or a key away.
void growToThreeRows(Control &c)
{
    ASSERT_EQ(c.put("Rows", number(3)), status::ok);
}

constexpr std::string_view flexGrid = "MSFlexGridLib.MSFlexGrid";
constexpr std::string_view hFlexGrid = "MSHierarchicalFlexGridLib.MSHFlexGrid";
constexpr std::string_view ssTab = "TabDlg.SSTab";
constexpr std::string_view dataGrid = "MSDataGridLib.DataGrid";

INSTANTIATE_TEST_SUITE_P(
    TabsAndGrids, LibraryEvents,
    ::testing::Values(
        EventCase { "SSTabClickOnAnotherTab", ssTab, "Click", [](Control &, QWidget *w) { clickTab(w, 1); } },
        EventCase { "SSTabClickFromCode", ssTab, "Click",
                    [](Control &c, QWidget *) { ASSERT_EQ(c.put("Tab", number(2)), status::ok); } },
        EventCase { "FlexGridClickOnACell", flexGrid, "Click",
                    [](Control &, QWidget *w) { clickCell(w, 1, 1); } },
        EventCase { "FlexGridRowColChangeOnAClick", flexGrid, "RowColChange",
                    [](Control &c, QWidget *w) {
                        growToThreeRows(c);
                        clickCell(w, 2, 1);
                    } },
        EventCase { "FlexGridEnterCellByTheArrowKeys", flexGrid, "EnterCell",
                    [](Control &c, QWidget *w) {
                        growToThreeRows(c);
                        pressKey(w, Qt::Key_Down);
                    } },
        EventCase { "FlexGridRowColChangeFromCode", flexGrid, "RowColChange",
                    [](Control &c, QWidget *) { ASSERT_EQ(c.put("Row", number(0)), status::ok); } },
        EventCase { "HFlexGridClickOnACell", hFlexGrid, "Click",
                    [](Control &, QWidget *w) { clickCell(w, 0, 1); } },
        EventCase { "HFlexGridRowColChangeByTheArrowKeys", hFlexGrid, "RowColChange",
                    [](Control &c, QWidget *w) {
                        growToThreeRows(c);
                        pressKey(w, Qt::Key_Down);
                    } },
        EventCase { "HFlexGridEnterCellOnAClick", hFlexGrid, "EnterCell",
                    [](Control &c, QWidget *w) {
                        growToThreeRows(c);
                        clickCell(w, 2, 1);
                    } },
        EventCase { "HFlexGridEnterCellFromCode", hFlexGrid, "EnterCell",
                    [](Control &c, QWidget *) { ASSERT_EQ(c.put("Col", number(0)), status::ok); } },
        EventCase { "DataGridClick", dataGrid, "Click",
                    [](Control &, QWidget *w) {
                        QWidget *cells = static_cast<QTableView *>(w)->viewport();
                        QTest::mouseClick(cells, Qt::LeftButton, {}, cells->rect().center());
                    } },
        EventCase { "DataGridHeadClick", dataGrid, "HeadClick",
                    [](Control &, QWidget *w) { clickHeading(w, 0); } },
        EventCase { "DataGridRowColChangeFromCode", dataGrid, "RowColChange",
                    [](Control &c, QWidget *) { ASSERT_EQ(c.put("Col", number(1)), status::ok); } }),
    [](const auto &row) { return rowName(row); });

INSTANTIATE_TEST_SUITE_P(
    TabsAndGrids, LibraryRefusals,
    ::testing::Values(
        Refusal { "SSTabTabPastTheLast", ssTab, [](Control &c) { return c.put("Tab", number(3)); },
                  status::invalidPropertyValue, "Tab = 3: the tab is 0 to 2" },
        Refusal { "SSTabMoreTabsThanItHolds", ssTab, [](Control &c) { return c.put("Tabs", number(33)); },
                  status::invalidPropertyValue, "Tabs = 33: Tabs is 1 to 32" },
        Refusal { "SSTabNoTabs", ssTab, [](Control &c) { return c.put("Tabs", number(0)); },
                  status::invalidPropertyValue, "Tabs is 1 to 32" },
        Refusal { "SSTabCaptionOfNoTab", ssTab,
                  [](Control &c) { return c.call("TabCaption", { number(5) }); }, status::subscriptOutOfRange,
                  "TabCaption: the tab is 0 to 2" },
        Refusal { "SSTabEnablingNoTab", ssTab,
                  [](Control &c) {
                      return c.call("TabEnabled", { number(-1), Variant(true) });
                  },
                  status::subscriptOutOfRange, "TabEnabled: the tab is 0 to 2" },
        Refusal { "FlexGridRowPastTheLast", flexGrid, [](Control &c) { return c.put("Row", number(2)); },
                  status::invalidPropertyValue, "Row = 2: the row is 0 to 1" },
        Refusal { "HFlexGridColBeforeTheFirst", hFlexGrid,
                  [](Control &c) { return c.put("Col", number(-1)); }, status::invalidPropertyValue,
                  "Col = -1: the column is 0 to 1" },
        Refusal { "FlexGridFixedRowsNotBelowRows", flexGrid,
                  [](Control &c) { return c.put("FixedRows", number(2)); }, status::invalidPropertyValue,
                  "FixedRows is 2 but Rows is 2; at least one row must not be fixed" },
        Refusal { "HFlexGridRowsDownToTheFixedOnes", hFlexGrid,
                  [](Control &c) { return c.put("Rows", number(1)); }, status::invalidPropertyValue,
                  "FixedRows is 1 but Rows is 1; at least one row must not be fixed" },
        Refusal { "FlexGridColsDownToTheFixedOnes", flexGrid,
                  [](Control &c) { return c.put("Cols", number(1)); }, status::invalidPropertyValue,
                  "FixedCols is 1 but Cols is 1; at least one column must not be fixed" },
        Refusal { "HFlexGridNegativeFixedCols", hFlexGrid,
                  [](Control &c) { return c.put("FixedCols", number(-1)); }, status::invalidPropertyValue,
                  "FixedCols is 0 to 1" },
        Refusal { "FlexGridNoColumns", flexGrid,
                  [](Control &c) {
                      EXPECT_EQ(c.put("FixedCols", number(0)), status::ok);
                      return c.put("Cols", number(0));
                  },
                  status::invalidPropertyValue, "a grid has at least one row and one column" },
        Refusal { "HFlexGridMoreCellsThanItHolds", hFlexGrid,
                  [](Control &c) { return c.put("Rows", number(600'000)); }, status::invalidPropertyValue,
                  "a grid holds at most 1000000 cells; 600000 rows of 2 columns would be 1200000" },
        Refusal { "FlexGridTextMatrixOutsideTheGrid", flexGrid,
                  [](Control &c) {
                      return c.call("TextMatrix", { number(0), number(2) });
                  },
                  status::subscriptOutOfRange, "TextMatrix: the column is 0 to 1" },
        Refusal { "HFlexGridTextMatrixWrittenOutsideTheGrid", hFlexGrid,
                  [](Control &c) {
                      return c.call("TextMatrix", { number(9), number(0), words("x") });
                  },
                  status::subscriptOutOfRange, "TextMatrix: the row is 0 to 1" },
        Refusal { "FlexGridColWidthOfNoColumn", flexGrid,
                  [](Control &c) { return c.call("ColWidth", { number(2) }); }, status::subscriptOutOfRange,
                  "ColWidth: the column is 0 to 1" },
        Refusal { "HFlexGridNegativeColWidth", hFlexGrid,
                  [](Control &c) {
                      return c.call("ColWidth", { number(0), number(-2) });
                  },
                  status::invalidPropertyValue, "ColWidth: a column's size is -1 (the default) or 0 to" },
        Refusal { "FlexGridRowHeightOfNoRow", flexGrid,
                  [](Control &c) {
                      return c.call("RowHeight", { number(-2), number(240) });
                  },
                  status::subscriptOutOfRange, "RowHeight: the row is -1 (every row) or 0 to 1" },
        Refusal { "DataGridRowWithoutRecords", dataGrid, [](Control &c) { return c.put("Row", number(0)); },
                  status::invalidPropertyValue, "Row = 0: the grid holds no records without a data source" },
        Refusal { "DataGridColPastTheLast", dataGrid, [](Control &c) { return c.put("Col", number(2)); },
                  status::invalidPropertyValue, "Col = 2: the column is 0 to 1" }),
    [](const auto &row) { return rowName(row); });

// The two flex grids are the same kind of control in two libraries: each case runs on both.
const std::string_view flexGrids[] = { flexGrid, hFlexGrid };

TEST_F(LibraryMembers, GridCellsWrittenByTextMatrixReadBackAsTextOfTheCurrentCell)
{
    for (const std::string_view progId : flexGrids) {
        SCOPED_TRACE(progId);
        Control &grid = one(progId);
        ASSERT_EQ(grid.put("Rows", number(4)), status::ok);
        ASSERT_EQ(grid.put("Cols", number(3)), status::ok);
        for (int row = 0; row < 4; ++row) {
            for (int col = 0; col < 3; ++col)
                ASSERT_EQ(grid.call("TextMatrix",
                                    { number(row), number(col),
                                      Variant(QStringLiteral("%1,%2").arg(row).arg(col)) }),
                          status::ok);
        }
        for (int row = 0; row < 4; ++row) {
            for (int col = 0; col < 3; ++col) {
                ASSERT_EQ(grid.put("Row", number(row)), status::ok);
                ASSERT_EQ(grid.put("Col", number(col)), status::ok);
                EXPECT_EQ(property(grid, "Text"), Variant(QStringLiteral("%1,%2").arg(row).arg(col)));
            }
        }
        ASSERT_EQ(grid.put("Text", words("written as Text")), status::ok);
        EXPECT_EQ(result(grid, "TextMatrix", { number(3), number(2) }), words("written as Text"));
    }
}

struct SizeCase {
    const char *method;
    int index;
    int twips;
    std::vector<int> expected; // each line's size afterwards, in twips
};

TEST_F(LibraryMembers, GridColumnWidthsAndRowHeightsKeepTheirTwips)
{
    const SizeCase cases[] = {
        { "ColWidth", 1, 1500, { 960, 1500, 960 } }, { "ColWidth", -1, 600, { 600, 600, 600 } },
        { "ColWidth", 0, 0, { 0, 960, 960 } },       { "RowHeight", 2, 450, { 240, 240, 450 } },
        { "RowHeight", -1, 300, { 300, 300, 300 } },
    };
    for (const std::string_view progId : flexGrids) {
        for (const SizeCase &row : cases) {
            SCOPED_TRACE(std::string(progId) + " " + row.method + "(" + std::to_string(row.index) + ", "
                         + std::to_string(row.twips) + ")");
            Control &grid = one(progId);
            ASSERT_EQ(grid.put("Rows", number(3)), status::ok);
            ASSERT_EQ(grid.put("Cols", number(3)), status::ok);
            ASSERT_EQ(grid.call(row.method, { number(row.index), number(row.twips) }), status::ok)
                << lastError().toStdString();
            for (int line = 0; line < 3; ++line)
                EXPECT_EQ(result(grid, row.method, { number(line) }), number(row.expected[std::size_t(line)]))
                    << "line " << line;
            // -1 gives a line back its default size.
            const int line = std::max(row.index, 0);
            ASSERT_EQ(grid.call(row.method, { number(line), number(-1) }), status::ok);
            EXPECT_EQ(result(grid, row.method, { number(line) }),
                      number(row.method == std::string_view("ColWidth") ? 960 : 240));
        }
    }
}

struct ShapeCase {
    const char *name;
    int rows;
    int cols;
};

// Each cell the grid still has after a change of its shape keeps its text; cells that come back are empty.
TEST_F(LibraryMembers, GridsGrowingAndShrinkingKeepTheirCellsText)
{
    const ShapeCase shapes[]
        = { { "Shrunk", 3, 2 }, { "GrownAgain", 5, 4 }, { "Wider", 5, 6 }, { "Shorter", 2, 6 } };
    for (const std::string_view progId : flexGrids) {
        SCOPED_TRACE(progId);
        Control &grid = one(progId);
        ASSERT_EQ(grid.put("Rows", number(5)), status::ok);
        ASSERT_EQ(grid.put("Cols", number(4)), status::ok);
        const auto label
            = [](int row, int col) { return Variant(QStringLiteral("r%1c%2").arg(row).arg(col)); };
        for (int row = 0; row < 5; ++row) {
            for (int col = 0; col < 4; ++col)
                ASSERT_EQ(grid.call("TextMatrix", { number(row), number(col), label(row, col) }), status::ok);
        }
        int keptRows = 5;
        int keptCols = 4;
        for (const ShapeCase &shape : shapes) {
            SCOPED_TRACE(shape.name);
            ASSERT_EQ(grid.put("Rows", number(shape.rows)), status::ok);
            ASSERT_EQ(grid.put("Cols", number(shape.cols)), status::ok);
            EXPECT_EQ(property(grid, "Rows"), number(shape.rows));
            EXPECT_EQ(property(grid, "Cols"), number(shape.cols));
            keptRows = std::min(keptRows, shape.rows);
            keptCols = std::min(keptCols, shape.cols);
            for (int row = 0; row < shape.rows; ++row) {
                for (int col = 0; col < shape.cols; ++col) {
                    const bool kept = row < keptRows && col < keptCols;
                    EXPECT_EQ(result(grid, "TextMatrix", { number(row), number(col) }),
                              kept ? label(row, col) : words(""))
                        << "cell " << row << ", " << col;
                }
            }
        }
    }
}

// The mouse and the arrow keys keep the current cell among the cells that hold data; the program may go
// anywhere.
TEST_F(LibraryMembers, GridsCurrentCellFollowsTheMouseAndKeysWithinTheDataCells)
{
    for (const std::string_view progId : flexGrids) {
        SCOPED_TRACE(progId);
        Control &grid = one(progId);
        QWidget *widget = widgetOf(grid);
        ASSERT_EQ(grid.put("Rows", number(3)), status::ok);
        EXPECT_EQ(property(grid, "Row"), number(1)) << "the first cell that holds data starts current";
        EXPECT_EQ(property(grid, "Col"), number(1));
        clickCell(widget, 2, 1);
        EXPECT_EQ(property(grid, "Row"), number(2));
        clickCell(widget, 0, 0);
        EXPECT_EQ(property(grid, "Row"), number(2)) << "a click on a fixed cell leaves the current cell";
        pressKey(widget, Qt::Key_Up);
        pressKey(widget, Qt::Key_Up);
        EXPECT_EQ(property(grid, "Row"), number(1)) << "the keys stop at the fixed row";
        pressKey(widget, Qt::Key_Left);
        EXPECT_EQ(property(grid, "Col"), number(1)) << "the keys stop at the fixed column";
        ASSERT_EQ(grid.put("Row", number(0)), status::ok);
        EXPECT_EQ(property(grid, "Row"), number(0));
    }
}

TEST_F(LibraryMembers, SSTabNamesEnablesAndAddsTabs)
{
    Control &tabs = one(ssTab);
    ASSERT_EQ(tabs.put("Tabs", number(5)), status::ok);
    EXPECT_EQ(result(tabs, "TabCaption", { number(4) }), words("Tab 4"));
    ASSERT_EQ(tabs.call("TabCaption", { number(1), words("Names") }), status::ok);
    ASSERT_EQ(tabs.put("Tab", number(1)), status::ok);
    EXPECT_EQ(property(tabs, "Caption"), words("Names"));
    ASSERT_EQ(tabs.put("Caption", words("Addresses")), status::ok);
    EXPECT_EQ(result(tabs, "TabCaption", { number(1) }), words("Addresses"));
    ASSERT_EQ(tabs.call("TabEnabled", { number(3), Variant(false) }), status::ok);
    EXPECT_EQ(result(tabs, "TabEnabled", { number(3) }), Variant(false));
    EXPECT_EQ(result(tabs, "TabEnabled", { number(2) }), Variant(true));
    ASSERT_EQ(tabs.put("Tabs", number(2)), status::ok);
    EXPECT_EQ(property(tabs, "Tab"), number(1));
    EXPECT_EQ(result(tabs, "TabCaption", { number(1) }), words("Addresses"));
}

// Click says which tab was in front before, whoever chose the new one.
TEST_F(LibraryMembers, SSTabClickSaysThePreviousTab)
{
    const manifest::ClassRecord &c = *manifest::findClass(ssTab);
    TestLayout &layout = layouts.emplace_back();
    layout.add(c.instance, c.progId, 120, 120, 2000, 1200, defaultBlock(c, 2000, 1200));
    Form &form = *forms.emplace_back(runtime->adoptForm(new Form(*runtime, layout.description)));
    std::vector<Variant> previous;
    form.bind(c.instance, "Click", [&](std::span<Variant> arguments) {
        previous.push_back(arguments[0]);
        return status::ok;
    });
    ASSERT_EQ(form.Show(), status::ok) << lastError().toStdString();
    Control &tabs = *findControl(form, c.instance);
    ASSERT_EQ(tabs.put("Tab", number(2)), status::ok);
    clickTab(widgetOf(tabs), 1);
    ASSERT_TRUE(QTest::qWaitFor([&] { return previous.size() == 2; }, 5000)) << previous.size() << " clicks";
    EXPECT_EQ(previous[0], Variant(std::int16_t { 0 }));
    EXPECT_EQ(previous[1], Variant(std::int16_t { 2 }));
    EXPECT_EQ(property(tabs, "Tab"), number(1));
}

} // namespace
} // namespace qv::test
