#include "chart_members.h"

#include <QGuiApplication>
#include <algorithm>
#include <array>
#include <utility>

namespace qv::mschart20lib
{

namespace
{

// As many rows and columns as the chart reads from its stored settings.
constexpr int mostRows = 100;
constexpr int mostColumns = 16;

constexpr std::array<std::pair<ChartMembers::VtChChartType, ChartData::Kind>, 4> drawnKinds { {
    { ChartMembers::VtChChartType2dBar, ChartData::Kind::Bar },
    { ChartMembers::VtChChartType2dLine, ChartData::Kind::Line },
    { ChartMembers::VtChChartType2dArea, ChartData::Kind::Area },
    { ChartMembers::VtChChartType2dPie, ChartData::Kind::Pie },
} };

} // namespace

ChartMembers::ChartMembers(ChartView &view)
    : view_(view)
{
    connect(&view, &ChartView::pointClicked, this, [this](int series, int dataPoint) {
        const Qt::KeyboardModifiers keys = QGuiApplication::keyboardModifiers();
        short seriesArgument = static_cast<short>(series);
        short pointArgument = static_cast<short>(dataPoint);
        short flags = static_cast<short>(((keys & Qt::ShiftModifier) ? 4 : 0)
                                         | ((keys & Qt::ControlModifier) ? 8 : 0));
        short cancel = 0;
        // The chart marks no selection, so a handler's Cancel leaves nothing to undo.
        emit PointSelected(seriesArgument, pointArgument, flags, cancel);
    });
}

template<class Change> void ChartMembers::change(Change change)
{
    ChartData data = view_.data();
    change(data);
    view_.setData(std::move(data));
}

std::size_t ChartMembers::at() const
{
    return static_cast<std::size_t>((row_ - 1) * view_.data().columns() + column_ - 1);
}

ChartMembers::VtChChartType ChartMembers::chartType() const
{
    for (const auto &[type, kind] : drawnKinds) {
        if (kind == view_.data().kind)
            return type;
    }
    return VtChChartType2dBar;
}

void ChartMembers::setChartType(VtChChartType type)
{
    const auto drawn = std::find_if(drawnKinds.begin(), drawnKinds.end(),
                                    [type](const auto &entry) { return entry.first == type; });
    if (drawn == drawnKinds.end())
        return refuse(
            status::invalidPropertyValue,
            QStringLiteral("the chart here draws in two dimensions only, as bars (1), lines (3), areas "
                           "(5) or pies (14)"));
    change([kind = drawn->second](ChartData &data) { data.kind = kind; });
}

int ChartMembers::rowCount() const
{
    return view_.data().rows();
}

void ChartMembers::setRowCount(int count)
{
    if (count < 1 || count > mostRows)
        return refuse(status::invalidPropertyValue, QStringLiteral("RowCount is 1 to %1").arg(mostRows));
    change([count](ChartData &data) { data.resize(count, data.columns()); });
    row_ = std::min(row_, count);
}

int ChartMembers::columnCount() const
{
    return view_.data().columns();
}

void ChartMembers::setColumnCount(int count)
{
    if (count < 1 || count > mostColumns)
        return refuse(status::invalidPropertyValue,
                      QStringLiteral("ColumnCount is 1 to %1").arg(mostColumns));
    change([count](ChartData &data) { data.resize(data.rows(), count); });
    column_ = std::min(column_, count);
}

int ChartMembers::row() const
{
    return row_;
}

void ChartMembers::setRow(int row)
{
    if (row < 1 || row > rowCount())
        return refuse(status::invalidPropertyValue,
                      QStringLiteral("the row is 1 to RowCount (%1)").arg(rowCount()));
    row_ = row;
}

int ChartMembers::column() const
{
    return column_;
}

void ChartMembers::setColumn(int column)
{
    if (column < 1 || column > columnCount())
        return refuse(status::invalidPropertyValue,
                      QStringLiteral("the column is 1 to ColumnCount (%1)").arg(columnCount()));
    column_ = column;
}

double ChartMembers::value() const
{
    return view_.data().values[at()];
}

void ChartMembers::setValue(double value)
{
    change([value, at = at()](ChartData &data) { data.values[at] = value; });
}

QString ChartMembers::rowLabel() const
{
    return view_.data().rowLabels[row_ - 1];
}

void ChartMembers::setRowLabel(const QString &label)
{
    change([&label, row = row_ - 1](ChartData &data) { data.rowLabels[row] = label; });
}

QString ChartMembers::columnLabel() const
{
    return view_.data().columnLabels[column_ - 1];
}

void ChartMembers::setColumnLabel(const QString &label)
{
    change([&label, column = column_ - 1](ChartData &data) { data.columnLabels[column] = label; });
}

QString ChartMembers::titleText() const
{
    return view_.data().title;
}

void ChartMembers::setTitleText(const QString &title)
{
    change([&title](ChartData &data) { data.title = title; });
}

bool ChartMembers::showLegend() const
{
    return view_.data().showLegend;
}

void ChartMembers::setShowLegend(bool shown)
{
    change([shown](ChartData &data) { data.showLegend = shown; });
}

} // namespace qv::mschart20lib
