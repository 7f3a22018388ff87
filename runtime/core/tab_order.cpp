#include "runtime/core/tab_order.h"
#include "runtime/core/control_private.h"

#include <algorithm>

namespace qv
{

namespace
{
// Its parts too: the record buttons of a data control are no tab stops when the control is none.
void keepOutOfTabChain(QWidget &widget)
{
    QList<QWidget *> widgets = widget.findChildren<QWidget *>();
    widgets.prepend(&widget);
    for (QWidget *each : widgets)
        if (each->focusPolicy() & Qt::TabFocus)
            each->setFocusPolicy(Qt::ClickFocus);
}
} // namespace

void applyTabOrder(const std::vector<ObjRef<Control>> &controls)
{
    std::vector<Control *> ordered;
    for (const auto &control : controls) {
        QWidget *widget = widgetOf(*control);
        if (!widget)
            continue; // no window
        if (recordOf(*control).tabIndex == noTabIndex) {
            keepOutOfTabChain(*widget);
            continue;
        }
        if (!(widget->focusPolicy() & Qt::TabFocus))
            continue; // a class that never takes the focus (a label)
        ordered.push_back(control.get());
    }
    std::stable_sort(ordered.begin(), ordered.end(), [](const Control *a, const Control *b) {
        return recordOf(*a).tabIndex < recordOf(*b).tabIndex;
    });
    for (std::size_t i = 1; i < ordered.size(); ++i)
        QWidget::setTabOrder(widgetOf(*ordered[i - 1]), widgetOf(*ordered[i]));
    // The window opens with the focus on the first control of the tab order, not on the first one made.
    if (!ordered.empty())
        widgetOf(*ordered.front())->setFocus(Qt::OtherFocusReason);
}

} // namespace qv
