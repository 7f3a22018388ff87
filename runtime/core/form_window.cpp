#include "runtime/core/form_window.h"
#include "controls/interface/accessible_role.h"
#include "runtime/core/accessibility.h"
#include "runtime/core/form_private.h"
#include <quorvane/form.h>

#include <QCloseEvent>
#include <QHideEvent>
#include <QKeyEvent>
#include <QPushButton>

namespace qv
{

FormWindow::FormWindow(Form &form)
    : form_(form)
{
    presentMarkedRoles();
    presentAs(*this, QAccessible::Window);
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

// Keys no control took. A focused command button takes Enter itself (it is the default while it has the
// focus); a multi-line box takes it for a new line.
void FormWindow::keyPressEvent(QKeyEvent *event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    if (enter && plain) {
        for (QPushButton *button : findChildren<QPushButton *>()) {
            if (button->isDefault() && button->isVisible() && button->isEnabled()) {
                button->click();
                return;
            }
        }
    }
    // A modal window stands between the user and the rest of the program, as a dialog does; Escape leaves it
    // the way its close box does.
    if (event->key() == Qt::Key_Escape && plain && isModal()) {
        FormPrivate::of(form_).closeBoxPressed();
        return;
    }
    QWidget::keyPressEvent(event);
}

} // namespace qv
