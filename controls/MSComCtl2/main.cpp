// MSCOMCT2.OCX: the second common controls library (animation, up-down, month view, date picker, flat
// scroll bar).

#include "animation.h"
#include "dt_picker.h"
#include "flat_scroll_bar.h"
#include "month_view.h"
#include "up_down.h"

#include "controls/interface/class_table.h"

#include <array>

namespace qv::mscomctl2
{

constexpr std::array classes {
    ClassFactory { u"{B09DE715-87C1-11D1-8BE3-0000F8754DA1}", createAnimation },
    ClassFactory { u"{603C7E80-87C2-11D1-8BE3-0000F8754DA1}", createUpDown },
    ClassFactory { u"{232E456A-87C3-11D1-8BE3-0000F8754DA1}", createMonthView },
    ClassFactory { u"{20DD1B9E-87C4-11D1-8BE3-0000F8754DA1}", createDTPicker },
    ClassFactory { u"{FE38753A-44A3-11D1-B5B7-0000C09000C4}", createFlatScrollBar },
};

class MSComCtl2Library final : public QObject, public ControlLibrary
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QuorvaneControlLibrary_iid FILE "MSCOMCT2.json")
    Q_INTERFACES(qv::ControlLibrary)

public:
    Creation create(QStringView clsid, std::span<const std::byte> settings, QWidget &container) override
    {
        return createFromTable(classes, u"MSCOMCT2.OCX", clsid, settings, container);
    }
};

} // namespace qv::mscomctl2

#include "main.moc"
