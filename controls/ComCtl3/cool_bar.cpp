#include "cool_bar.h"
#include "cool_band.h"

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

// Reads whole-number settings in their ranges; keeps the first fault and gives defaults after it.
class SettingReader
{
public:
    explicit SettingReader(const settings::PropertyBag &bag)
        : bag_(bag)
    {
    }

    int integer(const QString &key, int low, int high, int fallback)
    {
        if (const std::optional<std::int32_t> value = bag_.integer(key)) {
            if (*value >= low && *value <= high)
                return *value;
            fail(QStringLiteral("%1 is %2; it must lie between %3 and %4")
                     .arg(key)
                     .arg(*value)
                     .arg(low)
                     .arg(high));
        } else if (bag_.text(key)) {
            fail(QStringLiteral("%1 is text where a whole number belongs").arg(key));
        }
        return fallback;
    }
    const QString &fault() const { return fault_; }

private:
    void fail(const QString &message)
    {
        if (fault_.isEmpty())
            fault_ = message;
    }
    const settings::PropertyBag &bag_;
    QString fault_;
};

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

ControlLibrary::Creation createCoolBar(std::span<const std::byte> settings, QWidget &container)
{
    settings::PropertyBag named;
    QString error;
    if (!settings::readNamedSettings(settings, named, error))
        return { nullptr, error };
    SettingReader read(named);
    read.integer(QStringLiteral("_extentx"), 0, highest, 0);
    read.integer(QStringLiteral("_extenty"), 0, highest, 0);
    read.integer(QStringLiteral("_version"), 0, highest, 0);
    const int barWidth = read.integer(QStringLiteral("_cbwidth"), 0, largestPixels, 0);
    const int barHeight = read.integer(QStringLiteral("_cbheight"), 0, largestPixels, 0);
    std::array<CoolBand::Settings, bandCount> bands;
    for (int n = 1; n <= bandCount; ++n) {
        CoolBand::Settings &band = bands[static_cast<std::size_t>(n - 1)];
        band.width = read.integer(QStringLiteral("width%1").arg(n), 0, largestPixels, band.width);
        band.minHeight = read.integer(QStringLiteral("minheight%1").arg(n), 0, largestPixels, band.minHeight);
        band.newRow = read.integer(QStringLiteral("newrow%1").arg(n), lowest, highest, 0) != 0;
    }
    if (!read.fault().isEmpty())
        return { nullptr, read.fault() };

    auto *bar = new CoolBarControl(QSize(barWidth, barHeight), &container);
    bar->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    auto *rows = new QVBoxLayout(bar);
    rows->setContentsMargins(2, 2, 2, 2);
    rows->setSpacing(2);
    QHBoxLayout *row = addRow(*rows);
    CoolBand *lastInRow = nullptr;
    for (std::size_t i = 0; i < bands.size(); ++i) {
        if (lastInRow && bands[i].newRow) {
            row = addRow(*rows);
            // The last band of a row takes up what the row has left, as the real bar draws it.
            lastInRow->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
        }
        lastInRow = new CoolBand(bands[i], bar);
        lastInRow->setObjectName(QStringLiteral("band%1").arg(i + 1));
        row->addWidget(lastInRow);
    }
    lastInRow->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    return { bar, {} };
}

} // namespace qv::comctl3
