#include "form2_layout.h"

#include <array>

namespace qv
{

namespace
{
constexpr FontRecord closeFormFont { "MS Sans Serif", 9.75, 700 };
constexpr FontRecord bannerFont { "MS Sans Serif", 12.0, 700, false, true };

// In stored order: "Close Form" first, the banner last.
constexpr std::array controls {
    ControlRecord { .name = "Command2",
                    .cls = ControlClass::of(BuiltinClass::CommandButton),
                    .left = 840,
                    .top = 1080,
                    .width = 11655,
                    .height = 435,
                    .tabIndex = 39,
                    .text = "Close Form",
                    .font = closeFormFont },
    ControlRecord { .name = "Label1",
                    .cls = ControlClass::of(BuiltinClass::Label),
                    .left = 360,
                    .top = 660,
                    .width = 12735,
                    .height = 375,
                    .tabIndex = 1,
                    .text = "THIS FORM HOLDS A COPY  OF ALL THE VB6 PRO CONTROLS. THAT IS ITS ONLY PURPOSE.",
                    .font = bannerFont,
                    .alignment = Alignment::Center },
};
} // namespace

const FormDescription form2Layout {
    .name = "Form2",
    .caption = "All VB6 Pro Controls",
    .clientLeft = 60,
    .clientTop = 345,
    .clientWidth = 13530,
    .clientHeight = 9855,
    .startUpPosition = StartUpPosition::WindowsDefault,
    .ddeTopic = "Form2",
    .font = std::nullopt,
    .settings = WindowSettings { 1, 0, -1 },
    .controls = controls,
};

} // namespace qv
