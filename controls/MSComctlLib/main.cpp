// MSCOMCTL.OCX: the common controls, each class a stand-in built from Qt widgets.

#include "imagecombo.h"
#include "imagecombo_members.h"
#include "imagelist.h"
#include "imagelist_members.h"
#include "listview.h"
#include "listview_members.h"
#include "progressbar.h"
#include "progressbar_members.h"
#include "slider.h"
#include "slider_members.h"
#include "statusbar.h"
#include "statusbar_members.h"
#include "tabstrip.h"
#include "tabstrip_members.h"
#include "toolbar.h"
#include "toolbar_members.h"
#include "treeview.h"
#include "treeview_members.h"

#include "controls/interface/class_table.h"
#include "library_classes.h"

#include <QComboBox>
#include <QProgressBar>
#include <QSlider>
#include <QStatusBar>
#include <QTabBar>
#include <QToolBar>
#include <QTreeWidget>
#include <array>

namespace qv::mscomctl
{

constexpr std::array classes {
    describedClass<TabStripMembers, QTabBar>(library::clsid::TabStrip, createTabStrip),
    describedClass<ToolbarMembers, QToolBar>(library::clsid::Toolbar, createToolbar),
    describedClass<StatusBarMembers, QStatusBar>(library::clsid::StatusBar, createStatusBar),
    describedClass<ProgressBarMembers, QProgressBar>(library::clsid::ProgressBar, createProgressBar),
    describedClass<TreeViewMembers, QTreeWidget>(library::clsid::TreeView, createTreeView),
    describedClass<ListViewMembers, ListViewWidget>(library::clsid::ListView, createListView),
    describedClass<ImageListMembers, QObject>(library::clsid::ImageList, createImageList),
    describedClass<SliderMembers, QSlider>(library::clsid::Slider, createSlider),
    describedClass<ImageComboMembers, QComboBox>(library::clsid::ImageCombo, createImageCombo),
};
static_assert(makesEachClassOnce(classes, library::classIds));

class MSComctlLibrary final : public QObject, public TableLibrary
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QuorvaneControlLibrary_iid FILE "MSCOMCTL.json")
    Q_INTERFACES(qv::ControlLibrary)

public:
    MSComctlLibrary()
        : TableLibrary(classes, library::file)
    {
    }
};

} // namespace qv::mscomctl

#include "main.moc"
