#include "runtime/core/tab_order.h"

#include <algorithm>

namespace qv
{

void applyTabOrder(const std::vector<ObjRef<Control>> &controls)
{
    std::vector<Control *> ordered;
    for (const auto &control : controls) {
        QWidget *widget = control->widget();
        if (!widget || !(widget->focusPolicy() & Qt::TabFocus))
            continue; // no window, or a class that never takes the focus (a label)
        if (control->record().tabIndex == noTabIndex) {
            widget->setFocusPolicy(Qt::ClickFocus);
            continue;
        }
        ordered.push_back(control.get());
    }
    std::stable_sort(ordered.begin(), ordered.end(), [](const Control *a, const Control *b) {
        return a->record().tabIndex < b->record().tabIndex;
    });
    for (std::size_t i = 1; i < ordered.size(); ++i)
        QWidget::setTabOrder(ordered[i - 1]->widget(), ordered[i]->widget());
}

} // namespace qv
