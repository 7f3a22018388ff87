#pragma once
// Stands in for the tabbed dialog control: a tab widget whose tabs are named from the saved state.

#include <quorvane/control_library.h>

namespace qv::tabdlg
{

inline constexpr int mostTabs = 32;

// A tab's caption until one is given: "Tab 0", "Tab 1", ...
QString defaultTabCaption(int tab);

// Saved state: "Tabs" (the number of tabs, 1 to 32) and "TabCaption(n)" for each tab.
ControlLibrary::Creation createSSTab(std::span<const std::byte> settings, QWidget &container);

} // namespace qv::tabdlg
