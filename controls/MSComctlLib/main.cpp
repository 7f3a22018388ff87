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

#include <array>

namespace qv::mscomctl
{

namespace
{
struct ClassEntry {
    QStringView clsid;
    ControlLibrary::Creation (*create)(std::span<const std::byte> settings, QWidget &container);
};

// The same classes as MSCOMCTL.json lists.
constexpr std::array classes {
    ClassEntry { u"{1EFB6596-857C-11D1-B16A-00C0F0283628}", createTabStrip },
    ClassEntry { u"{66833FE6-8583-11D1-B16A-00C0F0283628}", createToolbar },
    ClassEntry { u"{8E3867A3-8586-11D1-B16A-00C0F0283628}", createStatusBar },
    ClassEntry { u"{35053A22-8589-11D1-B16A-00C0F0283628}", createProgressBar },
    ClassEntry { u"{C74190B6-8589-11D1-B16A-00C0F0283628}", createTreeView },
    ClassEntry { u"{BDD1F04B-858B-11D1-B16A-00C0F0283628}", createListView },
    ClassEntry { u"{2C247F23-8591-11D1-B16A-00C0F0283628}", createImageList },
    ClassEntry { u"{F08DF954-8592-11D1-B16A-00C0F0283628}", createSlider },
    ClassEntry { u"{DD9DA666-8594-11D1-B16A-00C0F0283628}", createImageCombo },
};
} // namespace

class MSComctlLibrary final : public QObject, public ControlLibrary
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QuorvaneControlLibrary_iid FILE "MSCOMCTL.json")
    Q_INTERFACES(qv::ControlLibrary)

public:
    Creation create(QStringView clsid, std::span<const std::byte> settings, QWidget &container) override
    {
        // A CLSID names the same class in either case, as the registry treats it.
        for (const ClassEntry &entry : classes) {
            if (clsid.compare(entry.clsid, Qt::CaseInsensitive) == 0)
                return entry.create(settings, container);
        }
        return { nullptr, QStringLiteral("MSCOMCTL.OCX has no class %1").arg(clsid) };
    }
};

} // namespace qv::mscomctl

#include "main.moc"
