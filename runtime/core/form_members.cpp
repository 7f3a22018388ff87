#include "runtime/core/form_members.h"
#include "controls/interface/twips.h"
#include "runtime/core/form_private.h"

#include <QEvent>
#include <QMouseEvent>
#include <QWidget>
#include <cmath>

namespace qv
{

FormMembers::FormMembers(QWidget &window, FormPrivate &form)
    : MemberObject(&window)
    , window_(window)
    , form_(form)
{
    window.installEventFilter(this);
}

QString FormMembers::name() const
{
    return window().objectName();
}

QString FormMembers::caption() const
{
    return window().windowTitle();
}

void FormMembers::setCaption(const QString &caption)
{
    window().setWindowTitle(caption);
}

namespace
{
int twipsX(const QWidget &w, int pixels)
{
    return TwipsScale::of(w).toTwipsX(pixels);
}
int twipsY(const QWidget &w, int pixels)
{
    return TwipsScale::of(w).toTwipsY(pixels);
}
} // namespace

// Left, Top, Width and Height are the window's outer edges, its frame included; ScaleWidth and ScaleHeight
// the inside its controls are laid out in.
int FormMembers::left() const
{
    return twipsX(window(), window().frameGeometry().x());
}

int FormMembers::top() const
{
    return twipsY(window(), window().frameGeometry().y());
}

int FormMembers::width() const
{
    return twipsX(window(), window().frameGeometry().width());
}

int FormMembers::height() const
{
    return twipsY(window(), window().frameGeometry().height());
}

void FormMembers::setTop(int twips)
{
    Move(omitted, static_cast<float>(twips));
}

void FormMembers::setWidth(int twips)
{
    Move(omitted, omitted, static_cast<float>(twips));
}

void FormMembers::setHeight(int twips)
{
    Move(omitted, omitted, omitted, static_cast<float>(twips));
}

int FormMembers::scaleWidth() const
{
    return twipsX(window(), window().width());
}

int FormMembers::scaleHeight() const
{
    return twipsY(window(), window().height());
}

void FormMembers::Move(float leftTwips, float topTwips, float widthTwips, float heightTwips)
{
    const std::optional<double> left = givenTwips(leftTwips), top = givenTwips(topTwips);
    const std::optional<double> width = givenTwips(widthTwips), height = givenTwips(heightTwips);
    if (std::optional<QString> why = unplaceable(left, top, width, height))
        return refuse(status::invalidPropertyValue, *why);
    QWidget &w = window();
    const TwipsScale scale = TwipsScale::of(w);
    const auto x = [&](double twips) { return scale.toPixelsX(static_cast<int>(std::lround(twips))); };
    const auto y = [&](double twips) { return scale.toPixelsY(static_cast<int>(std::lround(twips))); };
    const QRect frame = w.frameGeometry();
    // The frame's own size stays what it is: the window's inside takes what is left of the outer size.
    const int frameWidth = frame.width() - w.width();
    const int frameHeight = frame.height() - w.height();
    if (width || height) {
        const QSize was = w.size();
        const QSize asked(width ? x(*width) - frameWidth : was.width(),
                          height ? y(*height) - frameHeight : was.height());
        if (asked.width() < 0 || asked.height() < 0)
            return refuse(status::invalidPropertyValue,
                          QStringLiteral("a window is at least its frame, %1 by %2 twips")
                              .arg(scale.toTwipsX(frameWidth))
                              .arg(scale.toTwipsY(frameHeight)));
        w.setFixedSize(asked);
        // The window system keeps a window from shrinking below its least size.
        if (w.size() != asked) {
            const QSize took = w.size();
            w.setFixedSize(was);
            return refuse(status::invalidPropertyValue,
                          QStringLiteral("the window system makes that window %1 by %2 twips, not %3 by %4")
                              .arg(scale.toTwipsX(took.width() + frameWidth))
                              .arg(scale.toTwipsY(took.height() + frameHeight))
                              .arg(scale.toTwipsX(asked.width() + frameWidth))
                              .arg(scale.toTwipsY(asked.height() + frameHeight)));
        }
    }
    if (left || top)
        w.move(left ? x(*left) : frame.x(), top ? y(*top) : frame.y());
}

FormMembers::WindowState FormMembers::windowState() const
{
    const Qt::WindowStates state = window().windowState();
    if (state & Qt::WindowMinimized)
        return vbMinimized;
    if (state & Qt::WindowMaximized)
        return vbMaximized;
    return vbNormal;
}

void FormMembers::setWindowState(WindowState state)
{
    switch (state) {
    case vbNormal:
        return window().setWindowState(Qt::WindowNoState);
    case vbMinimized:
        return window().setWindowState(Qt::WindowMinimized);
    case vbMaximized:
        return window().setWindowState(Qt::WindowMaximized);
    }
    refuse(status::invalidPropertyValue, QStringLiteral("a window state is 0, 1 or 2"));
}

bool FormMembers::visible() const
{
    return window().isVisible();
}

void FormMembers::setVisible(bool visible)
{
    // As Show and Hide: shown without waiting.
    visible ? Show(0) : Hide();
}

bool FormMembers::enabled() const
{
    return window().isEnabled();
}

void FormMembers::setEnabled(bool enabled)
{
    window().setEnabled(enabled);
}

void FormMembers::Show(int modal)
{
    if (modal != 0 && modal != 1)
        return refuse(status::invalidProcedureCall, QStringLiteral("Modal must be 0 or 1"));
    if (Outcome<> shown = form_.show(Variant(std::int32_t { modal }), Variant::missing()); !shown)
        refuse(std::move(shown).failure());
}

void FormMembers::Hide()
{
    if (Outcome<> hidden = form_.hide(); !hidden)
        refuse(std::move(hidden).failure());
}

void FormMembers::Refresh()
{
    window().repaint();
}

bool FormMembers::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != &window_)
        return false;
    switch (event->type()) {
    case QEvent::WindowActivate:
        emit Activate();
        break;
    case QEvent::WindowDeactivate:
        emit Deactivate();
        break;
    case QEvent::Resize:
        emit Resize();
        break;
    case QEvent::MouseButtonRelease:
        // A click on the window itself, not on one of its controls: a label passes its clicks on to the
        // window, and they are the label's, not the window's.
        if (!window().childAt(static_cast<QMouseEvent *>(event)->position().toPoint()))
            emit Click();
        break;
    default:
        break;
    }
    return false;
}

} // namespace qv
