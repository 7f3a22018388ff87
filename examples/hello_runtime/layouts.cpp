#include "layouts.h"

#include <quorvane/settings_block.h>

#include <array>

namespace hello
{

namespace
{
using qv::BuiltinClass;
using qv::ControlRecord;
using qv::ProgId;
using namespace qv::settings;

// A library control's stored settings: its size (as its record has it), then what it saves.
template<std::size_t N, std::size_t P>
constexpr auto block(int widthTwips, int heightTwips, const std::array<Property, P> &state)
{
    return makeBlock<N>(twipsToHimetric(widthTwips), twipsToHimetric(heightTwips), state);
}

constexpr auto calendar = block<64>(2700, 2370, std::array { Property::integer("StartOfWeek", 2) });
constexpr auto loudness
    = block<64>(2700, 315, std::array { Property::integer("Max", 10), Property::integer("Value", 3) });
constexpr auto progress = block<64>(4200, 255, std::array { Property::integer("Value", 60) });

constexpr qv::FontRecord titleFont { "MS Sans Serif", 12.0, 700 };

constexpr std::array helloControls {
    ControlRecord { .name = "Title",
                    .cls = BuiltinClass::Label,
                    .left = 120,
                    .top = 120,
                    .width = 5775,
                    .height = 375,
                    .text = "Hello, runtime",
                    .font = titleFont },
    ControlRecord { .name = "NameLabel",
                    .cls = BuiltinClass::Label,
                    .left = 120,
                    .top = 660,
                    .width = 1095,
                    .height = 255,
                    .text = "Your name:" },
    ControlRecord { .name = "NameBox",
                    .cls = BuiltinClass::TextBox,
                    .left = 1260,
                    .top = 600,
                    .width = 2055,
                    .height = 315,
                    .tabIndex = 0 },
    ControlRecord { .name = "Greet",
                    .cls = BuiltinClass::CommandButton,
                    .left = 3420,
                    .top = 600,
                    .width = 1215,
                    .height = 315,
                    .tabIndex = 1,
                    .text = "Greet" },
    ControlRecord { .name = "GreetingBox",
                    .cls = BuiltinClass::TextBox,
                    .left = 120,
                    .top = 1080,
                    .width = 5775,
                    .height = 315,
                    .tabIndex = 2 },
    ControlRecord { .name = "Calendar",
                    .cls = ProgId { "MSComCtl2.MonthView" },
                    .left = 120,
                    .top = 1560,
                    .width = 2700,
                    .height = 2370,
                    .tabIndex = 3,
                    .settings = calendar },
    ControlRecord { .name = "Loudness",
                    .cls = ProgId { "MSComctlLib.Slider" },
                    .left = 3060,
                    .top = 1560,
                    .width = 2700,
                    .height = 315,
                    .tabIndex = 4,
                    .settings = loudness },
    ControlRecord { .name = "Salutations",
                    .cls = BuiltinClass::ListBox,
                    .left = 3060,
                    .top = 2040,
                    .width = 2700,
                    .height = 840,
                    .tabIndex = 5 },
    ControlRecord { .name = "Shout",
                    .cls = BuiltinClass::CheckBox,
                    .left = 3060,
                    .top = 3060,
                    .width = 2700,
                    .height = 255,
                    .tabIndex = 6,
                    .text = "Shout it" },
    ControlRecord { .name = "About",
                    .cls = BuiltinClass::CommandButton,
                    .left = 3060,
                    .top = 3615,
                    .width = 1215,
                    .height = 315,
                    .tabIndex = 7,
                    .text = "About..." },
    ControlRecord { .name = "Quit",
                    .cls = BuiltinClass::CommandButton,
                    .left = 4560,
                    .top = 3615,
                    .width = 1215,
                    .height = 315,
                    .tabIndex = 8,
                    .text = "Quit" },
};

constexpr std::array aboutControls {
    ControlRecord { .name = "Words",
                    .cls = BuiltinClass::Label,
                    .left = 120,
                    .top = 120,
                    .width = 4200,
                    .height = 495,
                    .text
                    = "Hello Runtime 1.0: a program for the Quorvane forms runtime, and nothing more." },
    ControlRecord { .name = "Progress",
                    .cls = ProgId { "MSComctlLib.ProgressBar" },
                    .left = 120,
                    .top = 720,
                    .width = 4200,
                    .height = 255,
                    .settings = progress },
    ControlRecord { .name = "Ok",
                    .cls = BuiltinClass::CommandButton,
                    .left = 1560,
                    .top = 1140,
                    .width = 1215,
                    .height = 315,
                    .tabIndex = 0,
                    .text = "OK" },
};
} // namespace

const qv::FormDescription helloLayout { .name = "HelloForm",
                                        .caption = "Hello Runtime",
                                        .clientWidth = 6015,
                                        .clientHeight = 4065,
                                        .controls = helloControls };

const qv::FormDescription aboutLayout { .name = "AboutForm",
                                        .caption = "About Hello Runtime",
                                        .clientWidth = 4440,
                                        .clientHeight = 1575,
                                        .controls = aboutControls };

} // namespace hello
