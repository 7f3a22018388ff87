// MSFLXGRD.OCX: the flex grid control.

#include "controls/interface/class_table.h"
#include "controls/kit/flex_grid.h"

#include <array>

namespace qv::msflexgrid
{

constexpr std::array classes {
    ClassFactory { u"{6262D3A0-531B-11CF-91F6-C2863C385E30}", kit::createFlexGrid },
};

class MSFlexGridLibrary final : public QObject, public ControlLibrary
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QuorvaneControlLibrary_iid FILE "MSFLXGRD.json")
    Q_INTERFACES(qv::ControlLibrary)

public:
    Creation create(QStringView clsid, std::span<const std::byte> settings, QWidget &container) override
    {
        return createFromTable(classes, u"MSFLXGRD.OCX", clsid, settings, container);
    }
};

} // namespace qv::msflexgrid

#include "main.moc"
