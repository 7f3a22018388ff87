// MSADODC.OCX: the ADO data control.

#include "adodc.h"

namespace qv::msadodc
{

class MSAdodcLibrary final : public QObject, public ControlLibrary
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QuorvaneControlLibrary_iid FILE "MSADODC.json")
    Q_INTERFACES(qv::ControlLibrary)

public:
    Creation create(QStringView clsid, std::span<const std::byte> settings, QWidget &container) override
    {
        if (clsid == u"{67397AA3-7FB1-11D0-B148-00A0C922E820}")
            return createAdodc(settings, container);
        return { nullptr, QStringLiteral("MSADODC.OCX has no class %1").arg(clsid) };
    }
};

} // namespace qv::msadodc

#include "main.moc"
