#include "runtime/core/control_members.h"

#include "controls/interface/twips.h"

#include <QColor>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPalette>
#include <cmath>
#include <cstdlib>

namespace qv
{

int toColorValue(const QColor &color)
{
    return color.red() | (color.green() << 8) | (color.blue() << 16);
}

std::optional<QColor> fromColorValue(int value)
{
    if (value < 0 || value > 0xFFFFFF)
        return std::nullopt;
    return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
}

ControlMembers::ControlMembers(QObject &object, const ControlRecord &record)
    : MemberObject(&object)
    , object_(&object)
    , record_(record)
{
}

QString ControlMembers::name() const
{
    return storedText(record_.name);
}

DrawnMembers::DrawnMembers(QWidget &widget, const ControlRecord &record)
    : ControlMembers(widget, record)
    , widget_(widget)
{
}

WindowedMembers::WindowedMembers(QWidget &widget, const ControlRecord &record)
    : PlacedMembers(widget, record)
    , focusPolicy_(widget.focusPolicy())
{
    widget.installEventFilter(this);
}

namespace
{
short shiftOf(Qt::KeyboardModifiers modifiers)
{
    return static_cast<short>(((modifiers & Qt::ShiftModifier) ? 1 : 0)
                              | ((modifiers & Qt::ControlModifier) ? 2 : 0)
                              | ((modifiers & Qt::AltModifier) ? 4 : 0));
}

short buttonsOf(Qt::MouseButtons buttons)
{
    return static_cast<short>(((buttons & Qt::LeftButton) ? 1 : 0) | ((buttons & Qt::RightButton) ? 2 : 0)
                              | ((buttons & Qt::MiddleButton) ? 4 : 0));
}

// The character a key typed, as one byte of the forms runtime's character set; 0 for none.
short asciiOf(const QKeyEvent &key)
{
    const QString text = key.text();
    if (text.size() != 1 || text.at(0).unicode() > 0xFF)
        return 0;
    return static_cast<short>(text.at(0).unicode());
}
} // namespace

bool WindowedMembers::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != object())
        return false;
    switch (event->type()) {
    case QEvent::FocusIn:
        emit GotFocus();
        break;
    case QEvent::FocusOut:
        emit LostFocus();
        break;
    case QEvent::KeyPress: {
        // The character a KeyPress handler chose instead, on its way to the control: raised once already.
        if (resending_)
            break;
        const auto &key = static_cast<const QKeyEvent &>(*event);
        short code = static_cast<short>(key.key() & 0xFFFF);
        emit KeyDown(code, shiftOf(key.modifiers()));
        if (code == 0)
            return true;
        const short typed = asciiOf(key);
        if (typed == 0)
            break;
        short ascii = typed;
        emit KeyPress(ascii);
        if (ascii == 0)
            return true;
        if (ascii != typed && ascii > 0) {
            // The handler typed another character: the control gets that one instead.
            QKeyEvent replaced(QEvent::KeyPress, key.key(), key.modifiers(), QString(QChar(ascii)));
            resending_ = true;
            QCoreApplication::sendEvent(watched, &replaced);
            resending_ = false;
            return true;
        }
        break;
    }
    case QEvent::KeyRelease: {
        const auto &key = static_cast<const QKeyEvent &>(*event);
        short code = static_cast<short>(key.key() & 0xFFFF);
        emit KeyUp(code, shiftOf(key.modifiers()));
        break;
    }
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseMove:
    case QEvent::MouseButtonDblClick: {
        const auto &mouse = static_cast<const QMouseEvent &>(*event);
        const TwipsScale scale = TwipsScale::of(*widget());
        const QPoint at = mouse.position().toPoint();
        const float x = static_cast<float>(scale.toTwipsX(at.x()));
        const float y = static_cast<float>(scale.toTwipsY(at.y()));
        const short shift = shiftOf(mouse.modifiers());
        if (event->type() == QEvent::MouseButtonPress)
            emit MouseDown(buttonsOf(mouse.button()), shift, x, y);
        else if (event->type() == QEvent::MouseButtonRelease)
            emit MouseUp(buttonsOf(mouse.button()), shift, x, y);
        else if (event->type() == QEvent::MouseMove)
            emit MouseMove(buttonsOf(mouse.buttons()), shift, x, y);
        else
            emit DblClick();
        break;
    }
    default:
        break;
    }
    return false;
}

int PlacedMembers::left() const
{
    return TwipsScale::of(*widget()).toTwipsX(widget()->x());
}

int PlacedMembers::top() const
{
    return TwipsScale::of(*widget()).toTwipsY(widget()->y());
}

int PlacedMembers::width() const
{
    return TwipsScale::of(*widget()).toTwipsX(widget()->width());
}

int PlacedMembers::height() const
{
    return TwipsScale::of(*widget()).toTwipsY(widget()->height());
}

void PlacedMembers::Move(float left, float top, float width, float height)
{
    place(givenTwips(left), givenTwips(top), givenTwips(width), givenTwips(height));
}

void PlacedMembers::place(std::optional<double> left, std::optional<double> top, std::optional<double> width,
                          std::optional<double> height)
{
    if (std::optional<QString> why = unplaceable(left, top, width, height))
        return refuse(status::invalidPropertyValue, *why);
    QWidget &w = *widget();
    const TwipsScale scale = TwipsScale::of(w);
    const auto x = [&](double twips) { return scale.toPixelsX(static_cast<int>(std::lround(twips))); };
    const auto y = [&](double twips) { return scale.toPixelsY(static_cast<int>(std::lround(twips))); };
    const QRect now = w.geometry();
    const QRect next(left ? x(*left) : now.x(), top ? y(*top) : now.y(), width ? x(*width) : now.width(),
                     height ? y(*height) : now.height());
    // Some controls have a least size (a chart keeps room for its axes); below it the window would keep
    // another size than the one written.
    if (next.width() < w.minimumWidth() || next.height() < w.minimumHeight())
        return refuse(status::invalidPropertyValue,
                      QStringLiteral("it is at least %1 twips wide and %2 high")
                          .arg(scale.toTwipsX(w.minimumWidth()))
                          .arg(scale.toTwipsY(w.minimumHeight())));
    w.setGeometry(next);
}

bool DrawnMembers::refusedAsBeyondReach(double twips)
{
    const std::optional<QString> why = unplaceable(twips, std::nullopt, std::nullopt, std::nullopt);
    if (why)
        refuse(status::invalidPropertyValue, *why);
    return why.has_value();
}

std::optional<QColor> DrawnMembers::colorOrRefuse(int value)
{
    const std::optional<QColor> color = fromColorValue(value);
    if (!color)
        refuse(status::invalidPropertyValue, QStringLiteral("a colour is &H000000 to &HFFFFFF"));
    return color;
}

void DrawnMembers::Refresh()
{
    widget()->repaint();
}

void DrawnMembers::ZOrder(int position)
{
    if (position != 0 && position != 1)
        return refuse(status::invalidProcedureCall, QStringLiteral("the position is 0 (front) or 1 (back)"));
    position == 0 ? widget()->raise() : widget()->lower();
}

void WindowedMembers::SetFocus()
{
    QWidget &w = *widget();
    if (!w.isVisible() || !w.isEnabled() || w.focusPolicy() == Qt::NoFocus)
        return refuse(status::invalidProcedureCall,
                      QStringLiteral("it cannot take the focus: it is not visible or not enabled"));
    w.activateWindow();
    w.setFocus(Qt::OtherFocusReason);
}

bool DrawnMembers::visible() const
{
    return !widget()->isHidden();
}

void DrawnMembers::setVisible(bool visible)
{
    widget()->setVisible(visible);
}

bool WindowedMembers::enabled() const
{
    // Its own setting: a control in a disabled frame is still Enabled itself.
    QWidget *parent = widget()->parentWidget();
    return parent ? widget()->isEnabledTo(parent) : widget()->isEnabled();
}

void WindowedMembers::setEnabled(bool enabled)
{
    widget()->setEnabled(enabled);
}

bool WindowedMembers::tabStop() const
{
    return widget()->focusPolicy() & Qt::TabFocus;
}

void WindowedMembers::setTabStop(bool stop)
{
    if (focusPolicy_ == Qt::NoFocus && stop)
        return refuse(status::invalidPropertyValue, QStringLiteral("it never takes the focus"));
    // A control stored outside the tab order came up without Tab in its policy: a tab stop has it.
    widget()->setFocusPolicy(
        Qt::FocusPolicy(stop ? focusPolicy_ | Qt::TabFocus : focusPolicy_ & ~Qt::TabFocus));
}

int WindowedMembers::foreColor() const
{
    return toColorValue(widget()->palette().color(widget()->foregroundRole()));
}

void WindowedMembers::setForeColor(int color)
{
    const std::optional<QColor> c = colorOrRefuse(color);
    if (!c)
        return;
    QPalette p = widget()->palette();
    p.setColor(widget()->foregroundRole(), *c);
    p.setColor(QPalette::Text, *c);
    p.setColor(QPalette::ButtonText, *c);
    widget()->setPalette(p);
}

int WindowedMembers::backColor() const
{
    return toColorValue(widget()->palette().color(widget()->backgroundRole()));
}

void WindowedMembers::setBackColor(int color)
{
    const std::optional<QColor> c = colorOrRefuse(color);
    if (!c)
        return;
    QPalette p = widget()->palette();
    p.setColor(widget()->backgroundRole(), *c);
    p.setColor(QPalette::Base, *c);
    p.setColor(QPalette::Button, *c);
    widget()->setPalette(p);
    widget()->setAutoFillBackground(true);
}

QString WindowedMembers::toolTipText() const
{
    return widget()->toolTip();
}

void WindowedMembers::setToolTipText(const QString &text)
{
    widget()->setToolTip(text);
}

template<class Change> void WindowedMembers::changeFont(Change change)
{
    QFont font = widget()->font();
    change(font);
    widget()->setFont(font);
}

QString WindowedMembers::fontName() const
{
    return widget()->font().family();
}

void WindowedMembers::setFontName(const QString &name)
{
    if (name.trimmed().isEmpty())
        return refuse(status::invalidPropertyValue, QStringLiteral("a font has a name"));
    changeFont([&](QFont &f) { f.setFamily(name); });
}

float WindowedMembers::fontSize() const
{
    return static_cast<float>(widget()->font().pointSizeF());
}

void WindowedMembers::setFontSize(float points)
{
    if (!(points > 0 && points <= 2160))
        return refuse(status::invalidPropertyValue,
                      QStringLiteral("a font size is above 0 and at most 2160 points"));
    changeFont([&](QFont &f) { f.setPointSizeF(points); });
}

bool WindowedMembers::fontBold() const
{
    return widget()->font().bold();
}

void WindowedMembers::setFontBold(bool bold)
{
    changeFont([&](QFont &f) { f.setBold(bold); });
}

bool WindowedMembers::fontItalic() const
{
    return widget()->font().italic();
}

void WindowedMembers::setFontItalic(bool italic)
{
    changeFont([&](QFont &f) { f.setItalic(italic); });
}

bool WindowedMembers::fontUnderline() const
{
    return widget()->font().underline();
}

void WindowedMembers::setFontUnderline(bool underline)
{
    changeFont([&](QFont &f) { f.setUnderline(underline); });
}

bool WindowedMembers::fontStrikethru() const
{
    return widget()->font().strikeOut();
}

void WindowedMembers::setFontStrikethru(bool strikethru)
{
    changeFont([&](QFont &f) { f.setStrikeOut(strikethru); });
}

} // namespace qv
