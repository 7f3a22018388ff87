// MSADODC.OCX: the ADO data control.

#include "adodc.h"
#include "adodc_members.h"

#include "controls/interface/class_table.h"
#include "library_classes.h"

#include <QWidget>
#include <array>

namespace qv::msadodc
{

constexpr std::array classes {
    describedClass<AdodcMembers, QWidget>(library::clsid::Adodc, createAdodc),
};
static_assert(makesEachClassOnce(classes, library::classIds));

class MSAdodcLibrary final : public QObject, public TableLibrary
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QuorvaneControlLibrary_iid FILE "MSADODC.json")
    Q_INTERFACES(qv::ControlLibrary)

public:
    MSAdodcLibrary()
        : TableLibrary(classes, library::file)
    {
    }
};

} // namespace qv::msadodc

#include "main.moc"
