// MSMASK32.OCX: the masked edit control.

#include "maskedbox.h"

#include "controls/interface/class_table.h"
#include "library_classes.h"

#include <array>

namespace qv::msmask
{

constexpr std::array classes {
    ClassFactory { library::clsid::MaskEdBox, createMaskEdBox },
};
static_assert(makesEachClassOnce(classes, library::classIds));

class MSMaskLibrary final : public QObject, public ControlLibrary
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QuorvaneControlLibrary_iid FILE "MSMASK32.json")
    Q_INTERFACES(qv::ControlLibrary)

public:
    Creation create(QStringView clsid, std::span<const std::byte> settings, QWidget &container) override
    {
        return createFromTable(classes, library::file, clsid, settings, container);
    }
};

} // namespace qv::msmask

#include "main.moc"
