// MSHFLXGD.OCX: the hierarchical flex grid control.

#include "mshflexgrid.h"

namespace qv::mshflexgrid
{

class MSHierarchicalFlexGridLibrary final : public QObject, public ControlLibrary
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QuorvaneControlLibrary_iid FILE "MSHFLXGD.json")
    Q_INTERFACES(qv::ControlLibrary)

public:
    Creation create(QStringView clsid, std::span<const std::byte> settings, QWidget &container) override
    {
        if (clsid == u"{0ECD9B64-23AA-11D0-B351-00A0C9055D8E}")
            return createMSHFlexGrid(settings, container);
        return { nullptr, QStringLiteral("MSHFLXGD.OCX has no class %1").arg(clsid) };
    }
};

} // namespace qv::mshflexgrid

#include "main.moc"
