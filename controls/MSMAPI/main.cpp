// MSMAPI32.OCX: the mail session and message controls.

#include "mapimessages.h"
#include "mapisession.h"

#include "controls/interface/class_table.h"

#include <array>

namespace qv::msmapi
{

constexpr std::array classes {
    ClassFactory { u"{20C62CA0-15DA-101B-B9A8-444553540000}", createMAPISession },
    ClassFactory { u"{20C62CAB-15DA-101B-B9A8-444553540000}", createMAPIMessages },
};

class MSMAPILibrary final : public QObject, public ControlLibrary
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QuorvaneControlLibrary_iid FILE "MSMAPI32.json")
    Q_INTERFACES(qv::ControlLibrary)

public:
    Creation create(QStringView clsid, std::span<const std::byte> settings, QWidget &container) override
    {
        return createFromTable(classes, u"MSMAPI32.OCX", clsid, settings, container);
    }
};

} // namespace qv::msmapi

#include "main.moc"
