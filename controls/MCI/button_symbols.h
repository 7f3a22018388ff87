#pragma once
// The small black symbols on the multimedia control's buttons, as icons (greyed by Qt when disabled).

#include <QIcon>
#include <array>
#include <string_view>
#include <utility>

namespace qv::mci
{

enum class MMButton { Prev, Next, Play, Pause, Back, Step, Stop, Record, Eject };

// The buttons in the order the control shows them, with the names its properties use.
inline constexpr std::array<std::pair<MMButton, std::string_view>, 9> mmButtons { {
    { MMButton::Prev, "Prev" },
    { MMButton::Next, "Next" },
    { MMButton::Play, "Play" },
    { MMButton::Pause, "Pause" },
    { MMButton::Back, "Back" },
    { MMButton::Step, "Step" },
    { MMButton::Stop, "Stop" },
    { MMButton::Record, "Record" },
    { MMButton::Eject, "Eject" },
} };

QIcon buttonSymbol(MMButton button);

} // namespace qv::mci
