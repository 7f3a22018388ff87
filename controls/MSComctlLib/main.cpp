// MSCOMCTL.OCX: the common controls, each class a stand-in built from Qt widgets.

#include "imagecombo.h"
#include "imagelist.h"
#include "listview.h"
#include "progressbar.h"
#include "slider.h"
#include "statusbar.h"
#include "tabstrip.h"
#include "toolbar.h"
#include "treeview.h"

#include "controls/interface/class_table.h"

#include <array>

namespace qv::mscomctl
{

// The same classes as MSCOMCTL.json lists.
constexpr std::array classes {
    ClassFactory { u"{1EFB6596-857C-11D1-B16A-00C0F0283628}", createTabStrip },
    ClassFactory { u"{66833FE6-8583-11D1-B16A-00C0F0283628}", createToolbar },
    ClassFactory { u"{8E3867A3-8586-11D1-B16A-00C0F0283628}", createStatusBar },
    ClassFactory { u"{35053A22-8589-11D1-B16A-00C0F0283628}", createProgressBar },
    ClassFactory { u"{C74190B6-8589-11D1-B16A-00C0F0283628}", createTreeView },
    ClassFactory { u"{BDD1F04B-858B-11D1-B16A-00C0F0283628}", createListView },
    ClassFactory { u"{2C247F23-8591-11D1-B16A-00C0F0283628}", createImageList },
    ClassFactory { u"{F08DF954-8592-11D1-B16A-00C0F0283628}", createSlider },
    ClassFactory { u"{DD9DA666-8594-11D1-B16A-00C0F0283628}", createImageCombo },
};

class MSComctlLibrary final : public QObject, public ControlLibrary
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QuorvaneControlLibrary_iid FILE "MSCOMCTL.json")
    Q_INTERFACES(qv::ControlLibrary)

public:
    Creation create(QStringView clsid, std::span<const std::byte> settings, QWidget &container) override
    {
        return createFromTable(classes, u"MSCOMCTL.OCX", clsid, settings, container);
    }
};

} // namespace qv::mscomctl

#include "main.moc"
