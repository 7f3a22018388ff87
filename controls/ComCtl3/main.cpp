// COMCT332.OCX: the cool bar control.

#include "cool_bar.h"

#include "controls/interface/class_table.h"

#include <array>

namespace qv::comctl3
{

constexpr std::array classes {
    ClassFactory { u"{38911D92-E448-11D0-84A3-00DD01104159}", createCoolBar },
};

class ComCtl3Library final : public QObject, public ControlLibrary
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QuorvaneControlLibrary_iid FILE "COMCT332.json")
    Q_INTERFACES(qv::ControlLibrary)

public:
    Creation create(QStringView clsid, std::span<const std::byte> settings, QWidget &container) override
    {
        return createFromTable(classes, u"COMCT332.OCX", clsid, settings, container);
    }
};

} // namespace qv::comctl3

#include "main.moc"
