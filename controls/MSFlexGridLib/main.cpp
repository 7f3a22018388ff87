// MSFLXGRD.OCX: the flex grid control.

#include "msflexgrid.h"

namespace qv::msflexgrid
{

class MSFlexGridLibrary final : public QObject, public ControlLibrary
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QuorvaneControlLibrary_iid FILE "MSFLXGRD.json")
    Q_INTERFACES(qv::ControlLibrary)

public:
    Creation create(QStringView clsid, std::span<const std::byte> settings, QWidget &container) override
    {
        if (clsid == u"{6262D3A0-531B-11CF-91F6-C2863C385E30}")
            return createMSFlexGrid(settings, container);
        return { nullptr, QStringLiteral("MSFLXGRD.OCX has no class %1").arg(clsid) };
    }
};

} // namespace qv::msflexgrid

#include "main.moc"
