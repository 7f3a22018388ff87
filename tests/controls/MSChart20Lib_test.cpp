// The chart module: a bar chart view of the sample data, shaped by the saved state; malformed blocks refused.

#include "controls/interface/settings_block.h"
#include "support/control_module.h"

#include <QCoreApplication>
#include <QGraphicsObject>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <string>
#include <vector>

namespace qv::test
{
namespace
{

constexpr QStringView msChart = u"{3A2B370C-BA0A-11D1-B137-0000F8753F5D}";
constexpr std::int32_t extentX = settings::twipsToHimetric(2175);
constexpr std::int32_t extentY = settings::twipsToHimetric(1575);

template<std::size_t P> std::vector<std::byte> blockOf(const std::array<settings::Property, P> &state)
{
    const auto block = settings::makeBlock<256>(extentX, extentY, state);
    return { block.begin(), block.end() };
}

template<class Row> std::string nameOf(const ::testing::TestParamInfo<Row> &row)
{
    return row.param.name;
}

// The tests see the chart as any caller of the module does, through Qt's object model, without Qt Charts.
QObject *sceneObject(const QGraphicsView &view, const char *className)
{
    for (QGraphicsItem *item : view.scene()->items()) {
        QGraphicsObject *object = item->toGraphicsObject();
        if (object && object->inherits(className))
            return object;
    }
    return nullptr;
}

QStringList labelsOf(const QObject &chart, const char *className, const char *property)
{
    QStringList labels;
    for (const QObject *child : chart.findChildren<QObject *>()) {
        if (child->inherits(className))
            labels << child->property(property).toStringList();
    }
    return labels;
}

struct ShownChart {
    const char *name;
    std::vector<std::byte> block;
    QStringList columns;
    QStringList rows;
    bool legendShown;
    QString title;
};

void PrintTo(const ShownChart &row, std::ostream *out)
{
    *out << row.name;
}

std::vector<ShownChart> shownCharts()
{
    const auto stored = settings::makeBlock<9022>(extentX, extentY, std::array<settings::Property, 0> {});
    const QStringList fourColumns { "C1", "C2", "C3", "C4" };
    const QStringList fiveRows { "R1", "R2", "R3", "R4", "R5" };
    return {
        { "StoredDefault", { stored.begin(), stored.end() }, fourColumns, fiveRows, true, {} },
        { "Shaped",
          blockOf(std::array { settings::Property::integer("RowCount", 2),
                               settings::Property::integer("ColumnCount", 1),
                               settings::Property::integer("ShowLegend", 0),
                               settings::Property::string("TitleText", "Sales") }),
          { "C1" },
          { "R1", "R2" },
          false,
          QStringLiteral("Sales") },
    };
}

class MSChart20LibChart : public ::testing::TestWithParam<ShownChart>
{
};

TEST_P(MSChart20LibChart, IsABarChartViewOfTheSampleData)
{
    const ShownChart &row = GetParam();
    QWidget container;
    ControlLibrary::Creation made = loadModule("mschrt20")->create(msChart, row.block, container);
    auto *view = qobject_cast<QGraphicsView *>(made.object);
    ASSERT_NE(view, nullptr) << qPrintable(made.error);
    EXPECT_TRUE(view->inherits("QChartView"));
    EXPECT_EQ(view->parent(), &container);
    const QObject *chart = sceneObject(*view, "QChart");
    ASSERT_NE(chart, nullptr);
    EXPECT_EQ(labelsOf(*chart, "QBarSet", "label"), row.columns);
    EXPECT_EQ(labelsOf(*chart, "QBarCategoryAxis", "categories"), row.rows);
    EXPECT_EQ(chart->property("title").toString(), row.title);
    const QObject *legend = sceneObject(*view, "QLegend");
    ASSERT_NE(legend, nullptr);
    EXPECT_EQ(legend->property("visible").toBool(), row.legendShown);
    EXPECT_EQ(legend->property("alignment").value<Qt::Alignment>(), Qt::AlignRight);
}

INSTANTIATE_TEST_SUITE_P(Charts, MSChart20LibChart, ::testing::ValuesIn(shownCharts()), nameOf<ShownChart>);

// A chart view will not shrink below its chart's minimum size; the chart must fit the box the form gives it.
TEST(MSChart20LibModule, KeepsTheSizeOfItsPlaceOnTheForm)
{
    const QSize placeOnTheForm(145, 105); // 2175 x 1575 twips at 96 dots per inch
    QWidget container;
    ControlLibrary::Creation made
        = loadModule("mschrt20")->create(msChart, blockOf(std::array<settings::Property, 0> {}), container);
    auto *view = qobject_cast<QWidget *>(made.object);
    ASSERT_NE(view, nullptr) << qPrintable(made.error);
    view->setGeometry(QRect(QPoint(0, 0), placeOnTheForm));
    container.show();
    QCoreApplication::processEvents();
    EXPECT_EQ(view->size(), placeOnTheForm);
}

struct BadBlock {
    const char *name;
    std::vector<std::byte> block;
    QStringView clsid;
    const char *fault;
};

void PrintTo(const BadBlock &row, std::ostream *out)
{
    *out << row.name;
}

std::vector<BadBlock> badBlocks()
{
    using settings::Property;
    std::vector<std::byte> negativeExtent = blockOf(std::array<Property, 0> {});
    negativeExtent[11] = std::byte { 0xFF };
    return {
        { "NoRows", blockOf(std::array { Property::integer("RowCount", 0) }), msChart, "RowCount is 0" },
        { "TooManyColumns", blockOf(std::array { Property::integer("ColumnCount", 17) }), msChart,
          "ColumnCount is 17" },
        { "LegendNeitherTrueNorFalse", blockOf(std::array { Property::integer("ShowLegend", 2) }), msChart,
          "ShowLegend is 2" },
        { "TitleAsNumber", blockOf(std::array { Property::integer("TitleText", 1) }), msChart,
          "TitleText holds a number" },
        { "HeadCutShort", std::vector<std::byte>(12), msChart, "16-byte head" },
        { "NegativeExtent", negativeExtent, msChart, "negative" },
        { "UnknownClass", blockOf(std::array<Property, 0> {}), u"{00000000-0000-0000-0000-000000000000}",
          "has no class" },
    };
}

class MSChart20LibBadBlock : public ::testing::TestWithParam<BadBlock>
{
};

TEST_P(MSChart20LibBadBlock, IsRefusedWithItsFault)
{
    const BadBlock &row = GetParam();
    QWidget container;
    ControlLibrary::Creation made = loadModule("mschrt20")->create(row.clsid, row.block, container);
    EXPECT_EQ(made.object, nullptr);
    EXPECT_TRUE(made.error.contains(QLatin1String(row.fault))) << qPrintable(made.error);
    EXPECT_TRUE(container.children().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Blocks, MSChart20LibBadBlock, ::testing::ValuesIn(badBlocks()), nameOf<BadBlock>);

} // namespace
} // namespace qv::test
