// MCI32.OCX: the multimedia control.

#include "mm_control.h"

namespace qv::mci
{

class MCILibrary final : public QObject, public ControlLibrary
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QuorvaneControlLibrary_iid FILE "MCI32.json")
    Q_INTERFACES(qv::ControlLibrary)

public:
    Creation create(QStringView clsid, std::span<const std::byte> settings, QWidget &container) override
    {
        if (clsid == u"{C1A8AF25-1257-101B-8FB0-0020AF039CA3}")
            return createMMControl(settings, container);
        return { nullptr, QStringLiteral("MCI32.OCX has no class %1").arg(clsid) };
    }
};

} // namespace qv::mci

#include "main.moc"
