// MCI32.OCX: the multimedia control.

#include "mm_control.h"

#include "controls/interface/class_table.h"

#include <array>

namespace qv::mci
{

constexpr std::array classes {
    ClassFactory { u"{C1A8AF25-1257-101B-8FB0-0020AF039CA3}", createMMControl },
};

class MCILibrary final : public QObject, public ControlLibrary
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QuorvaneControlLibrary_iid FILE "MCI32.json")
    Q_INTERFACES(qv::ControlLibrary)

public:
    Creation create(QStringView clsid, std::span<const std::byte> settings, QWidget &container) override
    {
        return createFromTable(classes, u"MCI32.OCX", clsid, settings, container);
    }
};

} // namespace qv::mci

#include "main.moc"
