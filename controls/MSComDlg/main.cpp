// COMDLG32.OCX: the common dialog control.

#include "commondialog.h"
#include "dialog_members.h"

#include "controls/interface/class_table.h"
#include "library_classes.h"

#include <array>

namespace qv::mscomdlg
{

constexpr std::array classes {
    describedClass<DialogMembers, QObject>(library::clsid::CommonDialog, createCommonDialog),
};
static_assert(makesEachClassOnce(classes, library::classIds));

class MSComDlgLibrary final : public QObject, public TableLibrary
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QuorvaneControlLibrary_iid FILE "COMDLG32.json")
    Q_INTERFACES(qv::ControlLibrary)

public:
    MSComDlgLibrary()
        : TableLibrary(classes, library::file)
    {
    }
};

} // namespace qv::mscomdlg

#include "main.moc"
