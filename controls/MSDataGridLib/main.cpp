// MSDATGRD.OCX: the data grid control.

#include "datagrid.h"
#include "datagrid_members.h"

#include "controls/interface/class_table.h"
#include "library_classes.h"

#include <QTableWidget>
#include <array>

namespace qv::msdatagrid
{

constexpr std::array classes {
    describedClass<DataGridMembers, QTableWidget>(library::clsid::DataGrid, createDataGrid),
};
static_assert(makesEachClassOnce(classes, library::classIds));

class MSDataGridLibrary final : public QObject, public TableLibrary
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QuorvaneControlLibrary_iid FILE "MSDATGRD.json")
    Q_INTERFACES(qv::ControlLibrary)

public:
    MSDataGridLibrary()
        : TableLibrary(classes, library::file)
    {
    }
};

} // namespace qv::msdatagrid

#include "main.moc"
