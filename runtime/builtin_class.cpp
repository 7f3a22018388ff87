#include "builtin_class.h"

#include <array>

namespace qv
{

namespace
{
constexpr std::array<std::string_view, 20> names {
    "PictureBox",  "Label",   "TextBox",    "Frame",      "CommandButton", "CheckBox",     "OptionButton",
    "ComboBox",    "ListBox", "HScrollBar", "VScrollBar", "Timer",         "DriveListBox", "DirListBox",
    "FileListBox", "Shape",   "Line",       "Image",      "Data",          "OLE",
};
}

std::string_view builtinClassName(BuiltinClass cls)
{
    return names.at(static_cast<std::size_t>(cls));
}

} // namespace qv
