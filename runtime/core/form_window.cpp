#include "runtime/core/form_window.h"
#include "runtime/core/form_private.h"
#include <quorvane/form.h>

#include <QCloseEvent>
#include <QHideEvent>

namespace qv
{

FormWindow::FormWindow(Form &form)
    : form_(form)
{
}

void FormWindow::closeEvent(QCloseEvent *event)
{
    // The form decides; the window itself never goes away under the runtime's feet.
    event->ignore();
    FormPrivate::of(form_).closeBoxPressed();
}

void FormWindow::hideEvent(QHideEvent *event)
{
    QWidget::hideEvent(event);
    if (!event->spontaneous())
        Q_EMIT hiddenByProgram();
}

} // namespace qv
