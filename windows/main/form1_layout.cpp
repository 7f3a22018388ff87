#include "form1_layout.h"

#include <array>

namespace qv
{

namespace
{
constexpr FontRecord bannerFont { "MS Sans Serif", 9.75, 700 };

constexpr std::array controls {
    ControlRecord { .name = "Text1",
                    .cls = BuiltinClass::TextBox,
                    .left = 1440,
                    .top = 480,
                    .width = 2775,
                    .height = 315,
                    .tabIndex = 3,
                    .text = "Text1",
                    .maxLength = 0 },
    ControlRecord { .name = "Command2",
                    .cls = BuiltinClass::CommandButton,
                    .left = 4320,
                    .top = 480,
                    .width = 1215,
                    .height = 315,
                    .tabIndex = 2,
                    .text = "Exit" },
    ControlRecord { .name = "Command1",
                    .cls = BuiltinClass::CommandButton,
                    .left = 120,
                    .top = 480,
                    .width = 1215,
                    .height = 315,
                    .tabIndex = 1,
                    .text = "Test",
                    .isDefault = true },
    ControlRecord { .name = "Label1",
                    .cls = BuiltinClass::Label,
                    .left = 240,
                    .top = 120,
                    .width = 5295,
                    .height = 255,
                    .tabIndex = 0,
                    .text = "This program  tests if VB6 runtime is working.",
                    .font = bannerFont,
                    .alignment = Alignment::Center },
};
} // namespace

const FormDescription form1Layout {
    .name = "Form1",
    .caption = "Quorvane All Controls",
    .clientLeft = 60,
    .clientTop = 345,
    .clientWidth = 5595,
    .clientHeight = 855,
    .startUpPosition = StartUpPosition::WindowsDefault,
    .ddeTopic = "Form1",
    .font = std::nullopt,
    .settings = WindowSettings { 1, 0, -1 },
    .controls = controls,
};

} // namespace qv
