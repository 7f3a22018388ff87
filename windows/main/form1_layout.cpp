#include "form1_layout.h"

#include <array>

namespace qv
{

namespace
{
constexpr FontRecord bannerFont { "MS Sans Serif", 9.75, 700 };

// What the text box, the Test button and the banner store of their own.
constexpr std::array text1Values { StoredValue { "MaxLength", 0 } };
constexpr std::array command1Values { StoredValue { "Default", 1 } };
constexpr std::array label1Values { StoredValue { "Alignment", 2 } }; // centred

constexpr std::array controls {
    ControlRecord { .name = "Text1",
                    .cls = BuiltinClass::TextBox,
                    .left = 1440,
                    .top = 480,
                    .width = 2775,
                    .height = 315,
                    .tabIndex = 3,
                    .text = "Text1",
                    .values = text1Values },
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
                    .values = command1Values },
    ControlRecord { .name = "Label1",
                    .cls = BuiltinClass::Label,
                    .left = 240,
                    .top = 120,
                    .width = 5295,
                    .height = 255,
                    .tabIndex = 0,
                    .text = "This program  tests if VB6 runtime is working.",
                    .font = bannerFont,
                    .values = label1Values },
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
