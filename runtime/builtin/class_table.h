#pragma once
// The 20 classes built into the forms runtime: the one table that the maker, the listings and the control
// manifest's own list of built-in classes all read.

#include "runtime/builtin/class_members.h"
#include "runtime/builtin/makers.h"
#include <quorvane/builtin_class.h>

#include "manifest/manifest.h"

#include <array>
#include <cstddef>
#include <string_view>

namespace qv::builtin
{

enum class Window { Has, None };

struct ClassEntry {
    BuiltinClass cls;
    std::string_view name; // as reports and listings show it, e.g. "CommandButton"
    Window window;
    Maker make;
    ClassMembers members;
};

inline constexpr std::array<ClassEntry, 20> classTable { {
    { BuiltinClass::PictureBox, "PictureBox", Window::Has, makePictureBox, pictureBoxMembers },
    { BuiltinClass::Label, "Label", Window::Has, makeLabel, labelMembers },
    { BuiltinClass::TextBox, "TextBox", Window::Has, makeTextBox, textBoxMembers },
    { BuiltinClass::Frame, "Frame", Window::Has, makeFrame, frameMembers },
    { BuiltinClass::CommandButton, "CommandButton", Window::Has, makeCommandButton, commandButtonMembers },
    { BuiltinClass::CheckBox, "CheckBox", Window::Has, makeCheckBox, checkBoxMembers },
    { BuiltinClass::OptionButton, "OptionButton", Window::Has, makeOptionButton, optionButtonMembers },
    { BuiltinClass::ComboBox, "ComboBox", Window::Has, makeComboBox, comboBoxMembers },
    { BuiltinClass::ListBox, "ListBox", Window::Has, makeListBox, listBoxMembers },
    { BuiltinClass::HScrollBar, "HScrollBar", Window::Has, makeHScrollBar, scrollBarMembers },
    { BuiltinClass::VScrollBar, "VScrollBar", Window::Has, makeVScrollBar, scrollBarMembers },
    { BuiltinClass::Timer, "Timer", Window::None, makeTimer, timerMembers },
    { BuiltinClass::DriveListBox, "DriveListBox", Window::Has, makeDriveListBox, driveListBoxMembers },
    { BuiltinClass::DirListBox, "DirListBox", Window::Has, makeDirListBox, dirListBoxMembers },
    { BuiltinClass::FileListBox, "FileListBox", Window::Has, makeFileListBox, fileListBoxMembers },
    { BuiltinClass::Shape, "Shape", Window::Has, makeShape, shapeMembers },
    { BuiltinClass::Line, "Line", Window::Has, makeLine, lineMembers },
    { BuiltinClass::Image, "Image", Window::Has, makeImage, imageMembers },
    { BuiltinClass::Data, "Data", Window::Has, makeDataControl, dataMembers },
    { BuiltinClass::OLE, "OLE", Window::Has, makeOleContainer, oleMembers },
} };

// The table is in the enumeration's order, so a class's entry is found by its value.
constexpr bool tableFollowsTheEnumeration()
{
    if (!isBuiltinClass(static_cast<BuiltinClass>(classTable.size() - 1))
        || isBuiltinClass(static_cast<BuiltinClass>(classTable.size())))
        return false;
    for (std::size_t i = 0; i < classTable.size(); ++i) {
        if (classTable[i].cls != static_cast<BuiltinClass>(i))
            return false;
    }
    return true;
}
static_assert(tableFollowsTheEnumeration());

// The control manifest lists the classes built into the runtime too: the same names, in the same order.
constexpr bool manifestListsTheseClasses()
{
    const auto listed = manifest::builtinClasses();
    if (listed.size() != classTable.size())
        return false;
    for (std::size_t i = 0; i < classTable.size(); ++i) {
        if (listed[i] != classTable[i].name)
            return false;
    }
    return true;
}
static_assert(manifestListsTheseClasses());

constexpr const ClassEntry &entryOf(BuiltinClass cls)
{
    return classTable[static_cast<std::size_t>(cls)];
}

constexpr std::string_view classNameOf(BuiltinClass cls)
{
    return entryOf(cls).name;
}

} // namespace qv::builtin
