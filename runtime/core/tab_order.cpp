#include "runtime/core/tab_order.h"
#include "runtime/core/control_private.h"

#include <algorithm>

namespace qv
{

void applyTabOrder(const std::vector<ObjRef<Control>> &controls)
{
    std::vector<Control *> ordered;
    for (const auto &control : controls) {
        QWidget *widget = widgetOf(*control);
        if (!widget || !(widget->focusPolicy() & Qt::TabFocus))
            continue; // no window, or a class that never takes the focus (a label)
        if (recordOf(*control).tabIndex == noTabIndex) {
            widget->setFocusPolicy(Qt::ClickFocus);
            continue;
        }
        ordered.push_back(control.get());
    }
    std::stable_sort(ordered.begin(), ordered.end(), [](const Control *a, const Control *b) {
        return recordOf(*a).tabIndex < recordOf(*b).tabIndex;
    });
    for (std::size_t i = 1; i < ordered.size(); ++i)
        QWidget::setTabOrder(widgetOf(*ordered[i - 1]), widgetOf(*ordered[i]));
}

} // namespace qv
