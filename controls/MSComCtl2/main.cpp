// MSCOMCT2.OCX: the second common controls library (animation, up-down, month view, date picker, flat
// scroll bar).

#include "animation.h"
#include "animation_members.h"
#include "dt_picker.h"
#include "dt_picker_members.h"
#include "flat_scroll_bar.h"
#include "flat_scroll_bar_members.h"
#include "month_view.h"
#include "month_view_members.h"
#include "up_down.h"
#include "up_down_members.h"

#include "controls/interface/class_table.h"
#include "library_classes.h"

#include <QCalendarWidget>
#include <QDateEdit>
#include <array>

namespace qv::mscomctl2
{

constexpr std::array classes {
    describedClass<AnimationMembers, AnimationArea>(library::clsid::Animation, createAnimation),
    describedClass<UpDownMembers, UpDownControl>(library::clsid::UpDown, createUpDown),
    describedClass<MonthViewMembers, QCalendarWidget>(library::clsid::MonthView, createMonthView),
    describedClass<DTPickerMembers, QDateEdit>(library::clsid::DTPicker, createDTPicker),
    describedClass<FlatScrollBarMembers, FlatScrollBar>(library::clsid::FlatScrollBar, createFlatScrollBar),
};
static_assert(makesEachClassOnce(classes, library::classIds));

class MSComCtl2Library final : public QObject, public TableLibrary
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QuorvaneControlLibrary_iid FILE "MSCOMCT2.json")
    Q_INTERFACES(qv::ControlLibrary)

public:
    MSComCtl2Library()
        : TableLibrary(classes, library::file)
    {
    }
};

} // namespace qv::mscomctl2

#include "main.moc"
