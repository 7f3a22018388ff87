// MSINET.OCX: the Internet transfer control.

#include "inet.h"

#include "controls/interface/class_table.h"
#include "library_classes.h"

#include <array>

namespace qv::inetctls
{

constexpr std::array classes {
    ClassFactory { library::clsid::Inet, createInet },
};
static_assert(makesEachClassOnce(classes, library::classIds));

class InetCtlsLibrary final : public QObject, public ControlLibrary
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QuorvaneControlLibrary_iid FILE "MSINET.json")
    Q_INTERFACES(qv::ControlLibrary)

public:
    Creation create(QStringView clsid, std::span<const std::byte> settings, QWidget &container) override
    {
        return createFromTable(classes, library::file, clsid, settings, container);
    }
};

} // namespace qv::inetctls

#include "main.moc"
