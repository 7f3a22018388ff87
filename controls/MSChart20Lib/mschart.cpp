#include "mschart.h"

#include "controls/interface/accessible_role.h"
#include "controls/interface/checked_block.h"

#include <QAreaSeries>
#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QGraphicsLayout>
#include <QLegend>
#include <QLineSeries>
#include <QPieSeries>
#include <QValueAxis>
#include <algorithm>

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

QString rowLabel(int row)
{
    return QStringLiteral("R%1").arg(row + 1);
}

QString columnLabel(int column)
{
    return QStringLiteral("C%1").arg(column + 1);
}

// A category axis shows each of its categories once: labels a program made alike are told apart by
// zero-width spaces, which show nothing.
QStringList distinctCategories(const QStringList &labels)
{
    QStringList categories;
    for (QString label : labels) {
        while (categories.contains(label))
            label += QChar(0x200B);
        categories << label;
    }
    return categories;
}

// The two axes of bars, lines and areas: the rows along the bottom, the values up the side, from 0 to 10 or
// further where the values reach.
void addAxes(QChart &chart, const ChartData &data, const QFont &labelFont)
{
    // Small labels, whole numbers and three steps leave the plot most of the box. Qt Charts gives each label
    // a share of its axis less paddings that take more than a small chart has, and would cut even "R1" to
    // "..." though it fits between its ticks: the labels are drawn whole.
    auto *categories = new QBarCategoryAxis(&chart);
    categories->append(distinctCategories(data.rowLabels));
    categories->setLabelsFont(labelFont);
    categories->setGridLineVisible(false);
    categories->setTruncateLabels(false);
    chart.addAxis(categories, Qt::AlignBottom);
    auto *values = new QValueAxis(&chart);
    const auto [lowest, highest] = std::minmax_element(data.values.begin(), data.values.end());
    values->setRange(std::min(0.0, *lowest), std::max(10.0, *highest));
    values->setTickCount(3);
    values->setLabelFormat(QStringLiteral("%g"));
    values->setLabelsFont(labelFont);
    values->setTruncateLabels(false);
    chart.addAxis(values, Qt::AlignLeft);
    for (QAbstractSeries *series : chart.series()) {
        series->attachAxis(categories);
        series->attachAxis(values);
    }
}

void addBars(QChart &chart, const ChartData &data)
{
    auto *series = new QBarSeries(&chart);
    for (int column = 0; column < data.columns(); ++column) {
        auto *set = new QBarSet(data.columnLabels[column], series);
        for (int row = 0; row < data.rows(); ++row)
            set->append(data.value(row, column));
        series->append(set);
    }
    chart.addSeries(series);
}

QLineSeries *lineOf(const ChartData &data, int column, QObject *parent)
{
    auto *line = new QLineSeries(parent);
    line->setName(data.columnLabels[column]);
    for (int row = 0; row < data.rows(); ++row)
        line->append(row, data.value(row, column));
    return line;
}

void addLinesOrAreas(QChart &chart, const ChartData &data)
{
    for (int column = 0; column < data.columns(); ++column) {
        if (data.kind == ChartData::Kind::Line) {
            chart.addSeries(lineOf(data, column, &chart));
            continue;
        }
        auto *area = new QAreaSeries(&chart);
        area->setUpperSeries(lineOf(data, column, area));
        area->setName(data.columnLabels[column]);
        chart.addSeries(area);
    }
}

// One pie for each row, side by side, a slice for each column.
void addPies(QChart &chart, const ChartData &data)
{
    const qreal share = 1.0 / data.rows();
    for (int row = 0; row < data.rows(); ++row) {
        auto *pie = new QPieSeries(&chart);
        pie->setName(data.rowLabels[row]);
        for (int column = 0; column < data.columns(); ++column)
            pie->append(data.columnLabels[column], std::max(0.0, data.value(row, column)));
        pie->setHorizontalPosition(share * (row + 0.5));
        // The plot is wider than high: a pie may take twice its share of the width as its height.
        pie->setPieSize(std::min(0.9, 1.8 * share));
        chart.addSeries(pie);
    }
}

QChart *makeChart(const ChartData &data)
{
    auto *chart = new QChart;
    QFont labelFont = chart->font();
    labelFont.setPointSizeF(labelPoints);
    switch (data.kind) {
    case ChartData::Kind::Bar:
        addBars(*chart, data);
        break;
    case ChartData::Kind::Line:
    case ChartData::Kind::Area:
        addLinesOrAreas(*chart, data);
        break;
    case ChartData::Kind::Pie:
        addPies(*chart, data);
        break;
    }
    if (data.kind != ChartData::Kind::Pie)
        addAxes(*chart, data, labelFont);

    // A chart on a form is small, and the view will not shrink below the chart's minimum size: narrow
    // margins keep that minimum under the size the form gives the control.
    chart->setMargins(QMargins(2, 2, 2, 2));
    chart->layout()->setContentsMargins(0, 0, 0, 0);
    chart->setBackgroundRoundness(0);

    chart->legend()->setVisible(data.showLegend);
    chart->legend()->setAlignment(Qt::AlignRight);
    chart->legend()->setFont(labelFont);
    chart->setTitle(data.title);
    return chart;
}

} // namespace

ChartData ChartData::sample(int rows, int columns)
{
    ChartData data;
    data.resize(rows, columns);
    return data;
}

void ChartData::resize(int rows, int columns)
{
    std::vector<double> kept(static_cast<std::size_t>(rows * columns));
    for (int row = 0; row < rows; ++row) {
        for (int column = 0; column < columns; ++column)
            kept[static_cast<std::size_t>(row * columns + column)]
                = row < this->rows() && column < this->columns() ? value(row, column)
                                                                 : sampleValue(row, column);
    }
    values = std::move(kept);
    rowLabels.resize(std::min<qsizetype>(rowLabels.size(), rows));
    while (rowLabels.size() < rows)
        rowLabels << rowLabel(static_cast<int>(rowLabels.size()));
    columnLabels.resize(std::min<qsizetype>(columnLabels.size(), columns));
    while (columnLabels.size() < columns)
        columnLabels << columnLabel(static_cast<int>(columnLabels.size()));
}

ChartView::ChartView(ChartData data, QWidget *parent)
    : QChartView(makeChart(data), parent)
    , data_(std::move(data))
{
    connectClicks();
}

ChartView::~ChartView() = default;

void ChartView::setData(ChartData data)
{
    data_ = std::move(data);
    // The view gives up the chart it showed without deleting it.
    QChart *shown = chart();
    setChart(makeChart(data_));
    delete shown;
    connectClicks();
}

void ChartView::connectClicks()
{
    const QList<QAbstractSeries *> all = chart()->series();
    for (qsizetype i = 0; i < all.size(); ++i) {
        const int series = static_cast<int>(i) + 1;
        if (auto *bars = qobject_cast<QBarSeries *>(all[i])) {
            connect(bars, &QBarSeries::clicked, this, [this, bars](int index, QBarSet *set) {
                emit pointClicked(static_cast<int>(bars->barSets().indexOf(set)) + 1, index + 1);
            });
        } else if (auto *line = qobject_cast<QLineSeries *>(all[i])) {
            connect(line, &QLineSeries::clicked, this,
                    [this, series](QPointF point) { emit pointClicked(series, qRound(point.x()) + 1); });
        } else if (auto *area = qobject_cast<QAreaSeries *>(all[i])) {
            connect(area, &QAreaSeries::clicked, this,
                    [this, series](QPointF point) { emit pointClicked(series, qRound(point.x()) + 1); });
        } else if (auto *pie = qobject_cast<QPieSeries *>(all[i])) {
            // A pie is a row; its slices are the columns.
            connect(pie, &QPieSeries::clicked, this, [this, pie, series](QPieSlice *slice) {
                emit pointClicked(static_cast<int>(pie->slices().indexOf(slice)) + 1, series);
            });
        }
    }
}

ControlLibrary::Creation createMSChart(std::span<const std::byte> settings, QWidget &container)
{
    settings::CheckedBlock state(settings);
    const int rows = state.integer(u"RowCount", 5, 1, 100);
    const int columns = state.integer(u"ColumnCount", 4, 1, 16);
    const bool showLegend = state.flag(u"ShowLegend", true);
    const QString title = state.text(u"TitleText", {});
    if (!state.ok())
        return { nullptr, state.error() };

    ChartData data = ChartData::sample(rows, columns);
    data.showLegend = showLegend;
    data.title = title;
    auto *view = new ChartView(std::move(data), &container);
    view->setRenderHint(QPainter::Antialiasing);
    presentAs(*view, QAccessible::Chart); // not the graphics view it is drawn in
    return { view, {} };
}

} // namespace qv::mschart20lib
