// MCI32.OCX: the multimedia control.

#include "mm_control.h"
#include "mm_control_members.h"

#include "controls/interface/class_table.h"
#include "library_classes.h"

#include <QWidget>
#include <array>

namespace qv::mci
{

constexpr std::array classes {
    describedClass<MMControlMembers, QWidget>(library::clsid::MMControl, createMMControl),
};
static_assert(makesEachClassOnce(classes, library::classIds));

class MCILibrary final : public QObject, public TableLibrary
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QuorvaneControlLibrary_iid FILE "MCI32.json")
    Q_INTERFACES(qv::ControlLibrary)

public:
    MCILibrary()
        : TableLibrary(classes, library::file)
    {
    }
};

} // namespace qv::mci

#include "main.moc"
