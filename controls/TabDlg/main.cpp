// TABCTL32.OCX: the tabbed dialog control.

#include "sstab.h"

#include "controls/interface/class_table.h"

#include <array>

namespace qv::tabdlg
{

constexpr std::array classes {
    ClassFactory { u"{BDC217C5-ED16-11CD-956C-0000C04E4C0A}", createSSTab },
};

class TabDlgLibrary final : public QObject, public ControlLibrary
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QuorvaneControlLibrary_iid FILE "TABCTL32.json")
    Q_INTERFACES(qv::ControlLibrary)

public:
    Creation create(QStringView clsid, std::span<const std::byte> settings, QWidget &container) override
    {
        return createFromTable(classes, u"TABCTL32.OCX", clsid, settings, container);
    }
};

} // namespace qv::tabdlg

#include "main.moc"
