// MSCOMCT2.OCX: the second common controls library (animation, up-down, month view, date picker, flat
// scroll bar).

#include "animation.h"
#include "dt_picker.h"
#include "flat_scroll_bar.h"
#include "month_view.h"
#include "up_down.h"

namespace qv::mscomctl2
{

class MSComCtl2Library final : public QObject, public ControlLibrary
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QuorvaneControlLibrary_iid FILE "MSCOMCT2.json")
    Q_INTERFACES(qv::ControlLibrary)

public:
    Creation create(QStringView clsid, std::span<const std::byte> settings, QWidget &container) override
    {
        if (clsid == u"{B09DE715-87C1-11D1-8BE3-0000F8754DA1}")
            return createAnimation(settings, container);
        if (clsid == u"{603C7E80-87C2-11D1-8BE3-0000F8754DA1}")
            return createUpDown(settings, container);
        if (clsid == u"{232E456A-87C3-11D1-8BE3-0000F8754DA1}")
            return createMonthView(settings, container);
        if (clsid == u"{20DD1B9E-87C4-11D1-8BE3-0000F8754DA1}")
            return createDTPicker(settings, container);
        if (clsid == u"{FE38753A-44A3-11D1-B5B7-0000C09000C4}")
            return createFlatScrollBar(settings, container);
        return { nullptr, QStringLiteral("MSCOMCT2.OCX has no class %1").arg(clsid) };
    }
};

} // namespace qv::mscomctl2

#include "main.moc"
