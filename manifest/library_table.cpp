// The 20 control library files, in table order.

#include "manifest.h"

namespace qv::manifest
{

namespace
{
constexpr std::array<LibraryRecord, 20> table { {
    { "TABCTL32.OCX", "TabDlg", Version { 1, 1 }, 0 },
    { "MSFLXGRD.OCX", "MSFlexGridLib", Version { 1, 0 }, 0 },
    { "COMDLG32.OCX", "MSComDlg", std::nullopt, 0 },
    { "MSCOMCTL.OCX", "MSComctlLib", Version { 2, 1 }, 0 },
    { "MSCOMCT2.OCX", "MSComCtl2", Version { 2, 0 }, 0 },
    { "MSINET.OCX", "InetCtlsObjects", Version { 1, 0 }, 0 },
    { "RICHTX32.OCX", "RichTextLib", Version { 1, 2 }, 0 },
    { "MSCHRT20.OCX", "MSChart20Lib", Version { 2, 0 }, 0 },
    { "MSWINSCK.OCX", "MSWinsockLib", Version { 1, 0 }, 0 },
    { "MSMAPI32.OCX", "MSMAPI", std::nullopt, 0 },
    { "MCI32.OCX", "MCI", Version { 1, 1 }, 0 },
    { "PICCLP32.OCX", "PicClip", std::nullopt, 0 },
    { "SYSINFO.OCX", "SysInfoLib", Version { 1, 0 }, 0 },
    { "MSCOMM32.OCX", "MSCommLib", Version { 1, 1 }, 0 },
    { "MSMASK32.OCX", "MSMask", Version { 1, 1 }, 0 },
    { "MSDATGRD.OCX", "MSDataGridLib", Version { 1, 0 }, 0 },
    { "MSDATLST.OCX", "MSDataListLib", Version { 1, 0 }, 0 },
    { "COMCT332.OCX", "ComCtl3", Version { 1, 1 }, 0 },
    { "MSADODC.OCX", "MSAdodcLib", Version { 6, 0 }, 0 },
    { "MSHFLXGD.OCX", "MSHierarchicalFlexGridLib", Version { 6, 0 }, 0 },
} };

constexpr std::array<std::string_view, 20> builtins {
    "PictureBox",  "Label",   "TextBox",    "Frame",      "CommandButton", "CheckBox",     "OptionButton",
    "ComboBox",    "ListBox", "HScrollBar", "VScrollBar", "Timer",         "DriveListBox", "DirListBox",
    "FileListBox", "Shape",   "Line",       "Image",      "Data",          "OLE",
};
} // namespace

std::span<const LibraryRecord> libraries()
{
    return table;
}
std::span<const std::string_view> builtinClasses()
{
    return builtins;
}

} // namespace qv::manifest
