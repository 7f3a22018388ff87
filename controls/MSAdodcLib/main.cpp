// MSADODC.OCX: the ADO data control.

#include "adodc.h"

#include "controls/interface/class_table.h"

#include <array>

namespace qv::msadodc
{

constexpr std::array classes {
    ClassFactory { u"{67397AA3-7FB1-11D0-B148-00A0C922E820}", createAdodc },
};

class MSAdodcLibrary final : public QObject, public ControlLibrary
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QuorvaneControlLibrary_iid FILE "MSADODC.json")
    Q_INTERFACES(qv::ControlLibrary)

public:
    Creation create(QStringView clsid, std::span<const std::byte> settings, QWidget &container) override
    {
        return createFromTable(classes, u"MSADODC.OCX", clsid, settings, container);
    }
};

} // namespace qv::msadodc

#include "main.moc"
