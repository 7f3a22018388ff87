#include "datagrid.h"

#include "controls/interface/settings_block.h"

#include <QHeaderView>
#include <QStringList>
#include <QTableWidget>
#include <optional>

namespace qv::msdatagrid
{

namespace
{
constexpr int maxColumns = 255;
// The record selector column: a narrow grey strip, in twips.
constexpr int recordSelectorTwips = 225;

// The integer stored under name, or fallback when absent; a text there or a value outside low to high is
// refused with a message in error.
std::optional<int> readInteger(const settings::PropertyBag &state, QStringView name, int fallback, int low,
                               int high, QString &error)
{
    if (state.text(name)) {
        error = QStringLiteral("%1 is stored as a text where a number belongs").arg(name);
        return std::nullopt;
    }
    const int value = state.integer(name).value_or(fallback);
    if (value < low || value > high) {
        error = QStringLiteral("%1 is %2, outside %3 to %4").arg(name).arg(value).arg(low).arg(high);
        return std::nullopt;
    }
    return value;
}

// The captions of the first count columns; a number stored as a caption is refused.
std::optional<QStringList> readCaptions(const settings::PropertyBag &state, int count, QString &error)
{
    QStringList captions;
    for (int i = 0; i < count; ++i) {
        const QString name = QStringLiteral("ColumnCaption(%1)").arg(i);
        if (state.integer(name)) {
            error = QStringLiteral("%1 is stored as a number where a text belongs").arg(name);
            return std::nullopt;
        }
        captions.append(state.text(name).value_or(QString()));
    }
    return captions;
}
} // namespace

ControlLibrary::Creation createDataGrid(std::span<const std::byte> settings, QWidget &container)
{
    settings::Block block;
    QString error;
    if (!settings::readBlock(settings, block, error))
        return { nullptr, error };
    const auto columns = readInteger(block.state, u"Columns", 2, 1, maxColumns, error);
    if (!columns)
        return { nullptr, error };
    const auto headers = readInteger(block.state, u"ColumnHeaders", 1, 0, 1, error);
    if (!headers)
        return { nullptr, error };
    const auto selectors = readInteger(block.state, u"RecordSelectors", 1, 0, 1, error);
    if (!selectors)
        return { nullptr, error };
    const auto captions = readCaptions(block.state, *columns, error);
    if (!captions)
        return { nullptr, error };

    // Without a data source there are no records to show, only the columns' shape.
    auto *grid = new QTableWidget(0, *columns, &container);
    grid->setHorizontalHeaderLabels(*captions);
    grid->horizontalHeader()->setVisible(*headers == 1);
    grid->verticalHeader()->setVisible(*selectors == 1);
    grid->verticalHeader()->setFixedWidth(recordSelectorTwips * grid->logicalDpiX() / 1440);
    grid->setCornerButtonEnabled(false);
    return { grid, {} };
}

} // namespace qv::msdatagrid
