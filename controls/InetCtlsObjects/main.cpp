// MSINET.OCX: the Internet transfer control.

#include "inet.h"

#include "controls/interface/class_table.h"

#include <array>

namespace qv::inetctls
{

constexpr std::array classes {
    ClassFactory { u"{48E59293-9880-11CF-9754-00AA00C00908}", createInet },
};

class InetCtlsLibrary final : public QObject, public ControlLibrary
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QuorvaneControlLibrary_iid FILE "MSINET.json")
    Q_INTERFACES(qv::ControlLibrary)

public:
    Creation create(QStringView clsid, std::span<const std::byte> settings, QWidget &container) override
    {
        return createFromTable(classes, u"MSINET.OCX", clsid, settings, container);
    }
};

} // namespace qv::inetctls

#include "main.moc"
