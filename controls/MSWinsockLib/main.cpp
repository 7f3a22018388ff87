// MSWINSCK.OCX: the Winsock control.

#include "winsock.h"

#include "controls/interface/class_table.h"

#include <array>

namespace qv::mswinsock
{

constexpr std::array classes {
    ClassFactory { u"{248DD896-BB45-11CF-9ABC-0080C7E7B78D}", createWinsock },
};

class MSWinsockLibrary final : public QObject, public ControlLibrary
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QuorvaneControlLibrary_iid FILE "MSWINSCK.json")
    Q_INTERFACES(qv::ControlLibrary)

public:
    Creation create(QStringView clsid, std::span<const std::byte> settings, QWidget &container) override
    {
        return createFromTable(classes, u"MSWINSCK.OCX", clsid, settings, container);
    }
};

} // namespace qv::mswinsock

#include "main.moc"
