#include "cool_bar.h"
#include "cool_band.h"

#include "controls/interface/accessible_role.h"
#include "controls/interface/checked_state.h"
#include "controls/interface/settings_block.h"

#include <QBoxLayout>
#include <array>
#include <limits>

namespace qv::comctl3
{

namespace
{
constexpr int bandCount = 3;
constexpr int largestPixels = 32767;
constexpr int lowest = std::numeric_limits<int>::min();
constexpr int highest = std::numeric_limits<int>::max();

QHBoxLayout *addRow(QVBoxLayout &rows)
{
    auto *row = new QHBoxLayout;
    row->setSpacing(2);
    rows.addLayout(row);
    return row;
}
} // namespace

CoolBarControl::CoolBarControl(QSize preferred, QWidget *parent)
    : QFrame(parent)
    , preferred_(preferred)
{
}

QSize CoolBarControl::sizeHint() const
{
    const QSize fromBands = QFrame::sizeHint();
    return { preferred_.width() > 0 ? preferred_.width() : fromBands.width(),
             preferred_.height() > 0 ? preferred_.height() : fromBands.height() };
}

void arrangeBands(QFrame &bar, const QList<CoolBand *> &bands)
{
    auto &rows = static_cast<QVBoxLayout &>(*bar.layout());
    while (QLayoutItem *row = rows.takeAt(0))
        delete row; // the row's layout, not its bands
    QHBoxLayout *row = addRow(rows);
    CoolBand *lastInRow = nullptr;
    for (CoolBand *band : bands) {
        band->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
        if (lastInRow && band->newRow()) {
            row = addRow(rows);
            lastInRow->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
        }
        if (!band->isHidden())
            lastInRow = band;
        row->addWidget(band);
    }
    if (lastInRow)
        lastInRow->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
}

ControlLibrary::Creation createCoolBar(std::span<const std::byte> settings, QWidget &container)
{
    const Outcome<settings::PropertyBag> named = settings::readNamedSettings(settings);
    if (!named)
        return { nullptr, named.failure().info.description };
    settings::CheckedState read(named.value());
    read.integer(u"_extentx", 0, 0, highest);
    read.integer(u"_extenty", 0, 0, highest);
    read.integer(u"_version", 0, 0, highest);
    const int barWidth = read.integer(u"_cbwidth", 0, 0, largestPixels);
    const int barHeight = read.integer(u"_cbheight", 0, 0, largestPixels);
    std::array<CoolBand::Settings, bandCount> bands;
    for (int n = 1; n <= bandCount; ++n) {
        CoolBand::Settings &band = bands[static_cast<std::size_t>(n - 1)];
        band.width = read.integer(QStringLiteral("width%1").arg(n), band.width, 0, largestPixels);
        band.minHeight = read.integer(QStringLiteral("minheight%1").arg(n), band.minHeight, 0, largestPixels);
        band.newRow = read.integer(QStringLiteral("newrow%1").arg(n), 0, lowest, highest) != 0;
    }
    if (!read.ok())
        return { nullptr, read.error() };

    auto *bar = new CoolBarControl(QSize(barWidth, barHeight), &container);
    bar->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    presentAs(*bar, QAccessible::ToolBar); // rows of bands that hold tool bars
    auto *rows = new QVBoxLayout(bar);
    rows->setContentsMargins(2, 2, 2, 2);
    rows->setSpacing(2);
    QList<CoolBand *> made;
    for (std::size_t i = 0; i < bands.size(); ++i) {
        auto *band = new CoolBand(bands[i], bar);
        band->setObjectName(QStringLiteral("band%1").arg(i + 1));
        band->setAccessibleName(QStringLiteral("Band %1").arg(i + 1));
        presentAs(*band, QAccessible::Pane);
        made << band;
    }
    arrangeBands(*bar, made);
    return { bar, {} };
}

} // namespace qv::comctl3
