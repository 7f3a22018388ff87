#pragma once
// The control classes built into the forms runtime, as stored descriptions name them. What each one is and
// how it is made stands in one table (runtime/builtin/class_table.h).

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

} // namespace qv
