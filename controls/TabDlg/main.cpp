// TABCTL32.OCX: the tabbed dialog control.

#include "sstab.h"

namespace qv::tabdlg
{

class TabDlgLibrary final : public QObject, public ControlLibrary
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QuorvaneControlLibrary_iid FILE "TABCTL32.json")
    Q_INTERFACES(qv::ControlLibrary)

public:
    Creation create(QStringView clsid, std::span<const std::byte> settings, QWidget &container) override
    {
        if (clsid == u"{BDC217C5-ED16-11CD-956C-0000C04E4C0A}")
            return createSSTab(settings, container);
        return { nullptr, QStringLiteral("TABCTL32.OCX has no class %1").arg(clsid) };
    }
};

} // namespace qv::tabdlg

#include "main.moc"
