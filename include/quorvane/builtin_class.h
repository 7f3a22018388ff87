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

// A stored class value names one of the classes above only if it lies in their range.
constexpr bool isBuiltinClass(BuiltinClass cls)
{
    return cls >= BuiltinClass::PictureBox && cls <= BuiltinClass::OLE;
}

// The built-in classes that hold other controls, as a stored container.
constexpr bool holdsControls(BuiltinClass cls)
{
    return cls == BuiltinClass::Frame || cls == BuiltinClass::PictureBox;
}

} // namespace qv
