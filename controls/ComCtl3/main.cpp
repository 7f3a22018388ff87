// COMCT332.OCX: the cool bar control.

#include "cool_bar.h"

namespace qv::comctl3
{

class ComCtl3Library final : public QObject, public ControlLibrary
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QuorvaneControlLibrary_iid FILE "COMCT332.json")
    Q_INTERFACES(qv::ControlLibrary)

public:
    Creation create(QStringView clsid, std::span<const std::byte> settings, QWidget &container) override
    {
        if (clsid == u"{38911D92-E448-11D0-84A3-00DD01104159}")
            return createCoolBar(settings, container);
        return { nullptr, QStringLiteral("COMCT332.OCX has no class %1").arg(clsid) };
    }
};

} // namespace qv::comctl3

#include "main.moc"
