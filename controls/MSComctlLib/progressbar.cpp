#include "progressbar.h"

#include "controls/interface/checked_block.h"

#include <QProgressBar>
#include <limits>

namespace qv::mscomctl
{

ControlLibrary::Creation createProgressBar(std::span<const std::byte> settings, QWidget &container)
{
    constexpr int lowest = std::numeric_limits<int>::min();
    constexpr int highest = std::numeric_limits<int>::max();
    settings::CheckedBlock state(settings);
    const int minimum = state.integer(u"Min", 0, lowest, highest);
    const int maximum = state.integer(u"Max", 100, lowest, highest);
    if (maximum <= minimum)
        state.refuse(QStringLiteral("Max is %1, not above Min %2").arg(maximum).arg(minimum));
    const int value = state.integer(u"Value", minimum, minimum, maximum);
    if (!state.ok())
        return { nullptr, state.error() };

    auto *progressBar = new QProgressBar(&container);
    progressBar->setRange(minimum, maximum);
    progressBar->setValue(value);
    progressBar->setTextVisible(false);
    return { progressBar, {} };
}

} // namespace qv::mscomctl
