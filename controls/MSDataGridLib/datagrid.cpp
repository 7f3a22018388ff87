#include "datagrid.h"

#include "controls/interface/checked_block.h"
#include "controls/interface/twips.h"

#include <QHeaderView>
#include <QStringList>
#include <QTableWidget>

namespace qv::msdatagrid
{

namespace
{
constexpr int maxColumns = 255;
// The record selector column: a narrow grey strip, in twips.
constexpr int recordSelectorTwips = 225;
} // namespace

ControlLibrary::Creation createDataGrid(std::span<const std::byte> settings, QWidget &container)
{
    settings::CheckedBlock state(settings);
    const int columns = state.integer(u"Columns", 2, 1, maxColumns);
    const bool headers = state.flag(u"ColumnHeaders", true);
    const bool selectors = state.flag(u"RecordSelectors", true);
    QStringList captions;
    for (int i = 0; i < columns; ++i)
        captions.append(state.text(QStringLiteral("ColumnCaption(%1)").arg(i), {}));
    if (!state.ok())
        return { nullptr, state.error() };

    // Without a data source there are no records to show, only the columns' shape.
    auto *grid = new QTableWidget(0, columns, &container);
    grid->setHorizontalHeaderLabels(captions);
    grid->horizontalHeader()->setVisible(headers);
    grid->verticalHeader()->setVisible(selectors);
    grid->verticalHeader()->setFixedWidth(TwipsScale::of(container).toPixelsX(recordSelectorTwips));
    grid->setCornerButtonEnabled(false);
    return { grid, {} };
}

} // namespace qv::msdatagrid
