#include "mschart.h"

#include "controls/interface/checked_block.h"
#include "controls/interface/accessible_role.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QGraphicsLayout>
#include <QLegend>
#include <QValueAxis>

namespace qv::mschart20lib
{

namespace
{

// The labels' size: a chart on a form is a few centimetres across.
constexpr qreal labelPoints = 7;

// The chart control shows made-up data until it is given some; fixed values keep every run alike.
int sampleValue(int row, int column)
{
    return 1 + ((row + 2) * (column + 3)) % 9;
}

QChart *makeChart(int rows, int columns, bool showLegend, const QString &title)
{
    auto *chart = new QChart;
    auto *series = new QBarSeries(chart);
    for (int column = 0; column < columns; ++column) {
        auto *set = new QBarSet(QStringLiteral("C%1").arg(column + 1), series);
        for (int row = 0; row < rows; ++row)
            set->append(sampleValue(row, column));
        series->append(set);
    }
    chart->addSeries(series);

    // Small labels, whole numbers and three steps leave the plot most of the box. Qt Charts gives each label
    // a share of its axis less paddings that take more than a small chart has, and would cut even "R1" to
    // "..." though it fits between its ticks: the labels are drawn whole.
    QFont labelFont = chart->font();
    labelFont.setPointSizeF(labelPoints);

    auto *categories = new QBarCategoryAxis(chart);
    for (int row = 0; row < rows; ++row)
        categories->append(QStringLiteral("R%1").arg(row + 1));
    categories->setLabelsFont(labelFont);
    categories->setGridLineVisible(false);
    categories->setTruncateLabels(false);
    chart->addAxis(categories, Qt::AlignBottom);
    series->attachAxis(categories);
    auto *values = new QValueAxis(chart);
    values->setRange(0, 10);
    values->setTickCount(3);
    values->setLabelFormat(QStringLiteral("%d"));
    values->setLabelsFont(labelFont);
    values->setTruncateLabels(false);
    chart->addAxis(values, Qt::AlignLeft);
    series->attachAxis(values);

    // A chart on a form is small, and the view will not shrink below the chart's minimum size: narrow
    // margins keep that minimum under the size the form gives the control.
    chart->setMargins(QMargins(2, 2, 2, 2));
    chart->layout()->setContentsMargins(0, 0, 0, 0);
    chart->setBackgroundRoundness(0);

    chart->legend()->setVisible(showLegend);
    chart->legend()->setAlignment(Qt::AlignRight);
    chart->legend()->setFont(labelFont);
    chart->setTitle(title);
    return chart;
}

} // namespace

ControlLibrary::Creation createMSChart(std::span<const std::byte> settings, QWidget &container)
{
    settings::CheckedBlock state(settings);
    const int rows = state.integer(u"RowCount", 5, 1, 100);
    const int columns = state.integer(u"ColumnCount", 4, 1, 16);
    const bool showLegend = state.flag(u"ShowLegend", true);
    const QString title = state.text(u"TitleText", {});
    if (!state.ok())
        return { nullptr, state.error() };

    auto *view = new QChartView(makeChart(rows, columns, showLegend, title), &container);
    view->setRenderHint(QPainter::Antialiasing);
    presentAs(*view, QAccessible::Chart); // not the graphics view it is drawn in
    return { view, {} };
}

} // namespace qv::mschart20lib
