#include "slider.h"

#include "controls/interface/checked_block.h"

#include <limits>

namespace qv::mscomctl
{

ControlLibrary::Creation createSlider(std::span<const std::byte> settings, QWidget &container)
{
    constexpr int lowest = std::numeric_limits<int>::min();
    constexpr int highest = std::numeric_limits<int>::max();
    settings::CheckedBlock state(settings);
    const int minimum = state.integer(u"Min", 0, lowest, highest);
    const int maximum = state.integer(u"Max", 10, lowest, highest);
    if (maximum <= minimum)
        state.refuse(QStringLiteral("Max is %1, not above Min %2").arg(maximum).arg(minimum));
    const int value = state.integer(u"Value", minimum, minimum, maximum);
    const int smallChange = state.integer(u"SmallChange", 1, 1, highest);
    const int largeChange = state.integer(u"LargeChange", 5, 1, highest);
    const int tickFrequency = state.integer(u"TickFrequency", 1, 1, maxTickFrequency);
    const int orientation = state.integer(u"Orientation", 0, 0, 1);
    const int tickStyle = state.integer(u"TickStyle", 0, 0, static_cast<int>(tickPositions.size()) - 1);
    if (!state.ok())
        return { nullptr, state.error() };

    auto *slider = new QSlider(orientation == 0 ? Qt::Horizontal : Qt::Vertical, &container);
    slider->setRange(minimum, maximum);
    slider->setValue(value);
    slider->setSingleStep(smallChange);
    slider->setPageStep(largeChange);
    slider->setTickInterval(tickFrequency);
    slider->setTickPosition(tickPositions[static_cast<std::size_t>(tickStyle)]);
    return { slider, {} };
}

} // namespace qv::mscomctl
