#pragma once
// The control classes built into the forms runtime.

#include <string_view>

namespace qv
{

enum class BuiltinClass {
    PictureBox,
    Label,
    TextBox,
    Frame,
    CommandButton,
    CheckBox,
    OptionButton,
    ComboBox,
    ListBox,
    HScrollBar,
    VScrollBar,
    Timer,
    DriveListBox,
    DirListBox,
    FileListBox,
    Shape,
    Line,
    Image,
    Data,
    OLE,
};

// The class name a report or a listing shows, e.g. "CommandButton".
std::string_view builtinClassName(BuiltinClass cls);

} // namespace qv
