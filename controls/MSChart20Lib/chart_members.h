#pragma once
// The chart's own members: its data grid reached a point at a time (set Row and Column, then read or write
// Data), the labels of the current row and column, the kind of chart and its title.

#include "mschart.h"

#include <quorvane/member_object.h>

namespace qv::mschart20lib
{

class ChartMembers final : public MemberObject
{
    Q_OBJECT
    Q_PROPERTY(VtChChartType ChartType READ chartType WRITE setChartType STORED false)
    Q_PROPERTY(int RowCount READ rowCount WRITE setRowCount STORED true)
    Q_PROPERTY(int ColumnCount READ columnCount WRITE setColumnCount STORED true)
    Q_PROPERTY(int Row READ row WRITE setRow STORED false)
    Q_PROPERTY(int Column READ column WRITE setColumn STORED false)
    Q_PROPERTY(double Data READ value WRITE setValue STORED false)
    Q_PROPERTY(QString RowLabel READ rowLabel WRITE setRowLabel STORED false)
    Q_PROPERTY(QString ColumnLabel READ columnLabel WRITE setColumnLabel STORED false)
    Q_PROPERTY(QString TitleText READ titleText WRITE setTitleText STORED true)
    Q_PROPERTY(bool ShowLegend READ showLegend WRITE setShowLegend STORED true)
public:
    enum VtChChartType {
        VtChChartType3dBar = 0,
        VtChChartType2dBar = 1,
        VtChChartType3dLine = 2,
        VtChChartType2dLine = 3,
        VtChChartType3dArea = 4,
        VtChChartType2dArea = 5,
        VtChChartType3dStep = 6,
        VtChChartType2dStep = 7,
        VtChChartType3dCombination = 8,
        VtChChartType2dCombination = 9,
        VtChChartType2dPie = 14,
        VtChChartType2dXY = 16,
    };
    Q_ENUM(VtChChartType)

    explicit ChartMembers(ChartView &view);

    VtChChartType chartType() const;
    void setChartType(VtChChartType type);
    int rowCount() const;
    void setRowCount(int count);
    int columnCount() const;
    void setColumnCount(int count);
    int row() const;
    void setRow(int row);
    int column() const;
    void setColumn(int column);
    double value() const;
    void setValue(double value);
    QString rowLabel() const;
    void setRowLabel(const QString &label);
    QString columnLabel() const;
    void setColumnLabel(const QString &label);
    QString titleText() const;
    void setTitleText(const QString &title);
    bool showLegend() const;
    void setShowLegend(bool shown);

signals:
    // The user clicked a bar, a point or a slice: its column (Series) and row (DataPoint), from 1, and the
    // Shift and Ctrl keys held (4 and 8).
    void PointSelected(short &Series, short &DataPoint, short &MouseFlags, short &Cancel);

private:
    // The point Row and Column name, from 0.
    std::size_t at() const;
    template<class Change> void change(Change change);

    ChartView &view_;
    int row_ = 1;
    int column_ = 1;
};

} // namespace qv::mschart20lib
