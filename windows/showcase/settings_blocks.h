#pragma once
// The stored-settings blocks of the showcase window's ActiveX controls, each of its stored length: a head
// with the control's extent (its size, or the design-time icon of one without a window), then the saved
// state its module reads, zero-filled. A control with a window is stored with the size written here once,
// which its record in the layout and its block's head both take.

#include <quorvane/form_description.h>
#include <quorvane/settings_block.h>

namespace qv::showcase
{

using settings::makeBlock;
using settings::makeNamedSettings;
using settings::Property;
using settings::twipsToHimetric;

constexpr std::array<Property, 0> nothingSaved {};

// Design-time icons of the controls that have no window.
inline constexpr std::int32_t iconExtent = 1005;
inline constexpr std::int32_t winsockIconExtent = 741;
inline constexpr std::int32_t commonDialogIconExtent = 847;

// A control with a window: its stored size and its block.
template<std::size_t N> struct SizedBlock {
    Twips width;
    Twips height;
    std::array<std::byte, N> bytes;
};

// The block of a control with a window: its extent is its stored size.
template<std::size_t N, std::size_t P>
constexpr SizedBlock<N> visibleBlock(Twips width, Twips height, const std::array<Property, P> &state)
{
    return { width, height, makeBlock<N>(twipsToHimetric(width), twipsToHimetric(height), state) };
}

// The cool bar keeps its size among its named settings, in both units, beside its three bands.
constexpr SizedBlock<464> coolBarBlock(Twips width, Twips height)
{
    return { width, height,
             makeNamedSettings<464>(
                 std::array { Property::integer("_extentx", twipsToHimetric(width)),
                              Property::integer("_extenty", twipsToHimetric(height)),
                              Property::integer("_cbwidth", width), Property::integer("_cbheight", height),
                              Property::integer("_version", 393216), Property::integer("minheight1", 360),
                              Property::integer("width1", 1395), Property::integer("newrow1", 0),
                              Property::integer("minheight2", 360), Property::integer("width2", 1395),
                              Property::integer("newrow2", 0), Property::integer("minheight3", 360),
                              Property::integer("width3", 1395), Property::integer("newrow3", 0) }) };
}

inline constexpr auto mshFlexGrid1
    = visibleBlock<334>(2655, 2355,
                        std::array { Property::integer("Rows", 2), Property::integer("Cols", 2),
                                     Property::integer("FixedRows", 1), Property::integer("FixedCols", 1) });
inline constexpr auto adodc1
    = visibleBlock<172>(4215, 330, std::array { Property::string("Caption", "Adodc1") });
inline constexpr auto coolBar1 = coolBarBlock(4215, 810);
inline constexpr auto dataCombo1
    = visibleBlock<130>(2055, 315, std::array { Property::string("Text", "DataCombo1") });
inline constexpr auto dataList1 = visibleBlock<108>(2055, 1425, nothingSaved);
inline constexpr auto dataGrid1 = visibleBlock<404>(3735, 1095, nothingSaved);
inline constexpr auto maskEdBox1 = visibleBlock<72>(2055, 315, nothingSaved);
inline constexpr auto msComm1 = makeBlock<60>(iconExtent, iconExtent, nothingSaved);
inline constexpr auto sysInfo1 = makeBlock<16>(iconExtent, iconExtent, nothingSaved);
inline constexpr auto pictureClip1 = makeBlock<36>(1508, 1296, nothingSaved);
inline constexpr auto mmControl1 = visibleBlock<96>(4260, 630, nothingSaved);
inline constexpr auto mapiMessages1 = makeBlock<800>(iconExtent, iconExtent, nothingSaved);
inline constexpr auto mapiSession1 = makeBlock<540>(iconExtent, iconExtent, nothingSaved);
inline constexpr auto winsock1 = makeBlock<40>(winsockIconExtent, winsockIconExtent, nothingSaved);
inline constexpr auto msChart1 = visibleBlock<9022>(2175, 1575, nothingSaved);
// One paragraph: code page 1252, one font, language 1033, 17 half-points, the text "RichTextBox1".
inline constexpr auto richTextBox1 = visibleBlock<212>(
    3135, 1275,
    std::array { Property::string(
        "TextRTF",
        "{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1033{\\fonttbl{\\f0\\fnil\\fcharset0 MS Sans Serif;}}"
        "\\viewkind4\\uc1\\pard\\f0\\fs17 RichTextBox1\\par\n}") });
inline constexpr auto inet1 = makeBlock<58>(iconExtent, iconExtent, nothingSaved);
inline constexpr auto flatScrollBar1 = visibleBlock<92>(4095, 315, nothingSaved);
inline constexpr auto dtPicker1 = visibleBlock<128>(3135, 315, nothingSaved);
inline constexpr auto monthView1 = visibleBlock<160>(2700, 2370, nothingSaved);
inline constexpr auto upDown1 = visibleBlock<84>(240, 1635, nothingSaved);
inline constexpr auto animation1 = visibleBlock<40>(855, 735, nothingSaved);
inline constexpr auto imageCombo1
    = visibleBlock<106>(3135, 330, std::array { Property::string("Text", "ImageCombo1") });
inline constexpr auto slider1 = visibleBlock<116>(3015, 255, nothingSaved);
inline constexpr auto imageList1 = makeBlock<76>(iconExtent, iconExtent, nothingSaved);
inline constexpr auto listView1 = visibleBlock<98>(1935, 1695, nothingSaved);
inline constexpr auto treeView1 = visibleBlock<90>(1815, 1695, nothingSaved);
inline constexpr auto progressBar1 = visibleBlock<80>(1935, 435, nothingSaved);
inline constexpr auto statusBar1 = visibleBlock<104>(13530, 495, nothingSaved);
inline constexpr auto toolbar1 = visibleBlock<104>(13530, 630, nothingSaved);
inline constexpr auto tabStrip1 = visibleBlock<106>(1815, 375, nothingSaved);
inline constexpr auto commonDialog1
    = makeBlock<76>(commonDialogIconExtent, commonDialogIconExtent, nothingSaved);
inline constexpr auto msFlexGrid1
    = visibleBlock<212>(3735, 1215,
                        std::array { Property::integer("Rows", 2), Property::integer("Cols", 2),
                                     Property::integer("FixedRows", 1), Property::integer("FixedCols", 1) });
inline constexpr auto ssTab1 = visibleBlock<186>(
    4695, 555,
    std::array { Property::integer("Tabs", 3), Property::string("TabCaption(0)", "Tab 0"),
                 Property::string("TabCaption(1)", "Tab 1"), Property::string("TabCaption(2)", "Tab 2") });

} // namespace qv::showcase
