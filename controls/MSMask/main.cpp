// MSMASK32.OCX: the masked edit control.

#include "maskedbox.h"
#include "maskedbox_members.h"

#include "controls/interface/class_table.h"
#include "library_classes.h"

#include <QLineEdit>
#include <array>

namespace qv::msmask
{

constexpr std::array classes {
    describedClass<MaskEdBoxMembers, QLineEdit>(library::clsid::MaskEdBox, createMaskEdBox),
};
static_assert(makesEachClassOnce(classes, library::classIds));

class MSMaskLibrary final : public QObject, public TableLibrary
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QuorvaneControlLibrary_iid FILE "MSMASK32.json")
    Q_INTERFACES(qv::ControlLibrary)

public:
    MSMaskLibrary()
        : TableLibrary(classes, library::file)
    {
    }
};

} // namespace qv::msmask

#include "main.moc"
