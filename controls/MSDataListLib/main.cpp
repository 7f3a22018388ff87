// MSDATLST.OCX: the data-bound list and combo box controls.

#include "datacombo.h"
#include "datalist.h"

namespace qv::msdatalist
{

class MSDataListLibrary final : public QObject, public ControlLibrary
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QuorvaneControlLibrary_iid FILE "MSDATLST.json")
    Q_INTERFACES(qv::ControlLibrary)

public:
    Creation create(QStringView clsid, std::span<const std::byte> settings, QWidget &container) override
    {
        if (clsid == u"{F0D2F219-CCB0-11D0-A316-00AA00688B10}")
            return createDataList(settings, container);
        if (clsid == u"{F0D2F21C-CCB0-11D0-A316-00AA00688B10}")
            return createDataCombo(settings, container);
        return { nullptr, QStringLiteral("MSDATLST.OCX has no class %1").arg(clsid) };
    }
};

} // namespace qv::msdatalist

#include "main.moc"
