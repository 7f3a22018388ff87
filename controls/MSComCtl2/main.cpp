// MSCOMCT2.OCX: the second common controls library (animation, up-down, month view, date picker, flat
// scroll bar).

#include "animation.h"
#include "dt_picker.h"
#include "flat_scroll_bar.h"
#include "month_view.h"
#include "up_down.h"

#include "controls/interface/class_table.h"
#include "library_classes.h"

#include <array>

namespace qv::mscomctl2
{

constexpr std::array classes {
    ClassFactory { library::clsid::Animation, createAnimation },
    ClassFactory { library::clsid::UpDown, createUpDown },
    ClassFactory { library::clsid::MonthView, createMonthView },
    ClassFactory { library::clsid::DTPicker, createDTPicker },
    ClassFactory { library::clsid::FlatScrollBar, createFlatScrollBar },
};
static_assert(makesEachClassOnce(classes, library::classIds));

class MSComCtl2Library final : public QObject, public ControlLibrary
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QuorvaneControlLibrary_iid FILE "MSCOMCT2.json")
    Q_INTERFACES(qv::ControlLibrary)

public:
    Creation create(QStringView clsid, std::span<const std::byte> settings, QWidget &container) override
    {
        return createFromTable(classes, library::file, clsid, settings, container);
    }
};

} // namespace qv::mscomctl2

#include "main.moc"
