// MSINET.OCX: the Internet transfer control.

#include "inet.h"
#include "inet_members.h"

#include "controls/interface/class_table.h"
#include "library_classes.h"

#include <array>

namespace qv::inetctls
{

constexpr std::array classes {
    describedClass<InetMembers, InetControl>(library::clsid::Inet, createInet),
};
static_assert(makesEachClassOnce(classes, library::classIds));

class InetCtlsLibrary final : public QObject, public TableLibrary
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QuorvaneControlLibrary_iid FILE "MSINET.json")
    Q_INTERFACES(qv::ControlLibrary)

public:
    InetCtlsLibrary()
        : TableLibrary(classes, library::file)
    {
    }
};

} // namespace qv::inetctls

#include "main.moc"
