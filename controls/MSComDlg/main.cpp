// COMDLG32.OCX: the common dialog control.

#include "commondialog.h"

#include "controls/interface/class_table.h"

#include <array>

namespace qv::mscomdlg
{

constexpr std::array classes {
    ClassFactory { u"{F9043C85-F6F2-101A-A3C9-08002B2F49FB}", createCommonDialog },
};

class MSComDlgLibrary final : public QObject, public ControlLibrary
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QuorvaneControlLibrary_iid FILE "COMDLG32.json")
    Q_INTERFACES(qv::ControlLibrary)

public:
    Creation create(QStringView clsid, std::span<const std::byte> settings, QWidget &container) override
    {
        return createFromTable(classes, u"COMDLG32.OCX", clsid, settings, container);
    }
};

} // namespace qv::mscomdlg

#include "main.moc"
