// MSCHRT20.OCX: the chart control.

#include "chart_members.h"
#include "mschart.h"

#include "controls/interface/class_table.h"
#include "library_classes.h"

#include <array>

namespace qv::mschart20lib
{

constexpr std::array classes { describedClass<ChartMembers, ChartView>(library::clsid::MSChart,
                                                                       createMSChart) };
static_assert(makesEachClassOnce(classes, library::classIds));

class MSChart20Library final : public QObject, public TableLibrary
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QuorvaneControlLibrary_iid FILE "MSCHRT20.json")
    Q_INTERFACES(qv::ControlLibrary)

public:
    MSChart20Library()
        : TableLibrary(classes, library::file)
    {
    }
};

} // namespace qv::mschart20lib

#include "main.moc"
