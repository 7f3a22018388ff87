// TABCTL32.OCX: the tabbed dialog control.

#include "sstab.h"
#include "sstab_members.h"

#include "controls/interface/class_table.h"
#include "library_classes.h"

#include <QTabWidget>
#include <array>

namespace qv::tabdlg
{

constexpr std::array classes {
    describedClass<SSTabMembers, QTabWidget>(library::clsid::SSTab, createSSTab),
};
static_assert(makesEachClassOnce(classes, library::classIds));

class TabDlgLibrary final : public QObject, public TableLibrary
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QuorvaneControlLibrary_iid FILE "TABCTL32.json")
    Q_INTERFACES(qv::ControlLibrary)

public:
    TabDlgLibrary()
        : TableLibrary(classes, library::file)
    {
    }
};

} // namespace qv::tabdlg

#include "main.moc"
