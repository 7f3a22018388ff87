// The chart module: a bar chart view of the sample data, shaped by the saved state; malformed blocks refused.

#include "support/control_module_cases.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QGraphicsObject>
#include <QGraphicsScene>
#include <QGraphicsTextItem>
#include <QGraphicsView>

namespace qv::test
{
namespace
{

constexpr auto msChart = manifestClassId("MSChart20Lib.MSChart");
constexpr std::int32_t extentX = settings::twipsToHimetric(2175);
constexpr std::int32_t extentY = settings::twipsToHimetric(1575);
constexpr BlockBuilder<256> blockOf { extentX, extentY };
const QSize placeOnTheForm(145, 105); // 2175 x 1575 twips at 96 dots per inch

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
    Bytes block;
    QStringList columns;
    QStringList rows;
    bool legendShown;
    QString title;
};

using test::PrintTo;

std::vector<ShownChart> shownCharts()
{
    constexpr auto stored = settings::makeBlock<9022>(extentX, extentY, noState);
    const QStringList fourColumns { "C1", "C2", "C3", "C4" };
    const QStringList fiveRows { "R1", "R2", "R3", "R4", "R5" };
    return {
        { "StoredDefault", bytesOf(stored), fourColumns, fiveRows, true, {} },
        { "Shaped",
          blockOf(std::array { Property::integer("RowCount", 2), Property::integer("ColumnCount", 1),
                               Property::integer("ShowLegend", 0), Property::string("TitleText", "Sales") }),
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
    auto *view = madeChild<QGraphicsView>(create("mschrt20", msChart, row.block, container), container);
    ASSERT_NE(view, nullptr);
    EXPECT_TRUE(view->inherits("QChartView"));
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

INSTANTIATE_TEST_SUITE_P(Charts, MSChart20LibChart, ::testing::ValuesIn(shownCharts()), rowName);

// A chart view will not shrink below its chart's minimum size; the chart must fit the box the form gives it.
TEST(MSChart20LibModule, KeepsTheSizeOfItsPlaceOnTheForm)
{
    QWidget container;
    auto *view = madeChild<QWidget>(create("mschrt20", msChart, blockOf(noState), container), container);
    ASSERT_NE(view, nullptr);
    view->setGeometry(QRect(QPoint(0, 0), placeOnTheForm));
    container.show();
    QCoreApplication::processEvents();
    EXPECT_EQ(view->size(), placeOnTheForm);
}

// The texts the chart shows, axis labels, legend entries and title alike, where the view shows them.
std::vector<const QGraphicsTextItem *> shownTexts(const QGraphicsView &view)
{
    std::vector<const QGraphicsTextItem *> texts;
    for (QGraphicsItem *item : view.scene()->items()) {
        const auto *text = qgraphicsitem_cast<QGraphicsTextItem *>(item);
        if (text && text->isVisible() && !text->toPlainText().isEmpty())
            texts.push_back(text);
    }
    return texts;
}

// The glyphs of a label, without the margins of its text document, in the view's coordinates.
QRectF inkOf(const QGraphicsTextItem &text)
{
    const QFontMetricsF metrics(text.font());
    QRectF ink(0, 0, metrics.horizontalAdvance(text.toPlainText()), metrics.height());
    ink.moveCenter(text.sceneBoundingRect().center());
    return ink;
}

// At its place on the showcase the chart is a few centimetres across; Qt Charts cuts a label it thinks has no
// room down to "...". Every label must be read whole, inside the box, clear of its neighbours.
TEST(MSChart20LibModule, ShowsEveryLabelWholeAtItsPlaceOnTheForm)
{
    QWidget container;
    auto *view
        = madeChild<QGraphicsView>(create("mschrt20", msChart, blockOf(noState), container), container);
    ASSERT_NE(view, nullptr);
    view->setGeometry(QRect(QPoint(0, 0), placeOnTheForm));
    container.show();
    QCoreApplication::processEvents();

    QStringList shown;
    const QRectF box(QPointF(0, 0), placeOnTheForm);
    for (const QGraphicsTextItem *text : shownTexts(*view)) {
        const QString label = text->toPlainText();
        shown << label;
        EXPECT_FALSE(label.contains(QLatin1String("...")) || label.contains(QChar(0x2026)))
            << qPrintable(label);
        EXPECT_TRUE(box.contains(inkOf(*text))) << qPrintable(label);
        for (const QGraphicsTextItem *other : shownTexts(*view)) {
            EXPECT_TRUE(other == text || !inkOf(*text).intersects(inkOf(*other)))
                << qPrintable(label) << " overlaps " << qPrintable(other->toPlainText());
        }
    }
    const QObject *chart = sceneObject(*view, "QChart");
    ASSERT_NE(chart, nullptr);
    QStringList expected
        = labelsOf(*chart, "QBarCategoryAxis", "categories") + labelsOf(*chart, "QBarSet", "label");
    expected << QStringLiteral("0") << QStringLiteral("10"); // the ends of the value scale
    for (const QString &label : expected)
        EXPECT_TRUE(shown.contains(label))
            << qPrintable(label) << " not among: " << qPrintable(shown.join(u'|'));
}

std::vector<MalformedBlock> badBlocks()
{
    Bytes negativeExtent = blockOf(noState);
    negativeExtent[11] = std::byte { 0xFF };
    return {
        { "NoRows", msChart, blockOf(std::array { Property::integer("RowCount", 0) }), "RowCount is 0" },
        { "TooManyColumns", msChart, blockOf(std::array { Property::integer("ColumnCount", 17) }),
          "ColumnCount is 17" },
        { "LegendNeitherTrueNorFalse", msChart, blockOf(std::array { Property::integer("ShowLegend", 2) }),
          "ShowLegend is 2" },
        { "TitleAsNumber", msChart, blockOf(std::array { Property::integer("TitleText", 1) }),
          "TitleText holds a number" },
        { "HeadCutShort", msChart, headCutShort(12), "16-byte head" },
        { "NegativeExtent", msChart, negativeExtent, "negative" },
        { "UnknownClass", unknownClass, blockOf(noState), "has no class" },
    };
}

using MSChart20LibBadBlock = MalformedBlockTest;
TEST_P(MSChart20LibBadBlock, IsRefusedWithItsFault)
{
    expectRefused("mschrt20", GetParam());
}
INSTANTIATE_TEST_SUITE_P(Blocks, MSChart20LibBadBlock, ::testing::ValuesIn(badBlocks()), rowName);

} // namespace
} // namespace qv::test
