// MSMASK32.OCX: the masked edit control.

#include "maskedbox.h"

namespace qv::msmask
{

class MSMaskLibrary final : public QObject, public ControlLibrary
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QuorvaneControlLibrary_iid FILE "MSMASK32.json")
    Q_INTERFACES(qv::ControlLibrary)

public:
    Creation create(QStringView clsid, std::span<const std::byte> settings, QWidget &container) override
    {
        if (clsid == u"{C932BA85-4374-101B-A56C-00AA003668DC}")
            return createMaskEdBox(settings, container);
        return { nullptr, QStringLiteral("MSMASK32.OCX has no class %1").arg(clsid) };
    }
};

} // namespace qv::msmask

#include "main.moc"
