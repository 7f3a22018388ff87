#pragma once
// Stands in for the chart control: a chart of its data grid, one series per column, drawn by Qt Charts as
// bars (the default), lines, areas or pies.

#include <quorvane/control_library.h>

#include <QChartView>
#include <QStringList>
#include <vector>

namespace qv::mschart20lib
{

// What the chart shows: a grid of values with a label for each row and each column, and how it is drawn.
struct ChartData {
    enum class Kind { Bar, Line, Area, Pie };

    // A grid of the chart's made-up values, as the control shows before it is given data.
    static ChartData sample(int rows, int columns);

    int rows() const { return static_cast<int>(rowLabels.size()); }
    int columns() const { return static_cast<int>(columnLabels.size()); }
    // Row and column from 0.
    double value(int row, int column) const
    {
        return values[static_cast<std::size_t>(row * columns() + column)];
    }
    // More or fewer rows and columns; new ones hold made-up values and labels "R<n>", "C<n>".
    void resize(int rows, int columns);

    Kind kind = Kind::Bar;
    std::vector<double> values; // row by row
    QStringList rowLabels;
    QStringList columnLabels;
    bool showLegend = true;
    QString title;
};

class ChartView final : public QChartView
{
    Q_OBJECT
public:
    ChartView(ChartData data, QWidget *parent);
    ~ChartView() override;

    const ChartData &data() const { return data_; }
    // Draws the chart anew from this data.
    void setData(ChartData data);

signals:
    // The user clicked the value of this column (series) and row (data point), both from 1.
    void pointClicked(int series, int dataPoint);

private:
    void connectClicks();

    ChartData data_;
};

// Saved state: "RowCount" (1 to 100, 5 when absent), "ColumnCount" (1 to 16, 4 when absent), "ShowLegend"
// (0 or 1, 1 when absent) and "TitleText".
ControlLibrary::Creation createMSChart(std::span<const std::byte> settings, QWidget &container);

} // namespace qv::mschart20lib
