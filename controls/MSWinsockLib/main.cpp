// MSWINSCK.OCX: the Winsock control.

#include "winsock.h"
#include "winsock_members.h"

#include "controls/interface/class_table.h"
#include "library_classes.h"

#include <array>

namespace qv::mswinsock
{

constexpr std::array classes {
    describedClass<WinsockMembers, WinsockControl>(library::clsid::Winsock, createWinsock),
};
static_assert(makesEachClassOnce(classes, library::classIds));

class MSWinsockLibrary final : public QObject, public TableLibrary
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QuorvaneControlLibrary_iid FILE "MSWINSCK.json")
    Q_INTERFACES(qv::ControlLibrary)

public:
    MSWinsockLibrary()
        : TableLibrary(classes, library::file)
    {
    }
};

} // namespace qv::mswinsock

#include "main.moc"
