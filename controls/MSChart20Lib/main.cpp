// MSCHRT20.OCX: the chart control.

#include "mschart.h"

#include "controls/interface/class_table.h"

#include <array>

namespace qv::mschart20lib
{

constexpr std::array classes { ClassFactory { u"{3A2B370C-BA0A-11D1-B137-0000F8753F5D}", createMSChart } };

class MSChart20Library final : public QObject, public ControlLibrary
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QuorvaneControlLibrary_iid FILE "MSCHRT20.json")
    Q_INTERFACES(qv::ControlLibrary)

public:
    Creation create(QStringView clsid, std::span<const std::byte> settings, QWidget &container) override
    {
        return createFromTable(classes, u"MSCHRT20.OCX", clsid, settings, container);
    }
};

} // namespace qv::mschart20lib

#include "main.moc"
