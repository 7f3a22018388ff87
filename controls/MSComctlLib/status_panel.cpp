#include "status_panel.h"
#include "picture_file.h"

#include "controls/interface/twips.h"

#include <QDate>
#include <QLabel>
#include <QLocale>
#include <QMetaEnum>
#include <QStatusBar>
#include <QTime>
#include <QTimer>
#include <QUrl>
#include <QWidget>

namespace qv::mscomctl
{

namespace
{
// The widest a panel is drawn, in twips: a window's reach in pixels at 15 twips a pixel.
constexpr float mostTwips = 32767 * 15.0f;
constexpr int clockTick = 1000;
} // namespace

Panel::Panel(const kit::ItemList<Panel> &panels, QStatusBar &bar, QLabel &label)
    : panels_(panels)
    , bar_(bar)
    , label_(&label)
    , text_(label.text())
{
}

std::optional<Failure> Panel::refusedStyle(int style)
{
    if (style == sbrText || style == sbrTime || style == sbrDate)
        return std::nullopt;
    const QMetaEnum styles = QMetaEnum::fromType<PanelStyleConstants>();
    return failure(status::deviceUnavailable,
                   QStringLiteral("%1: the state of the keyboard's lock and insert keys cannot be read on "
                                  "this machine")
                       .arg(QLatin1String(styles.valueToKey(style))));
}

void Panel::setText(const QString &text)
{
    text_ = text;
    showText();
}

void Panel::setKey(const QString &key)
{
    if (std::optional<Failure> refused = panels_.refusedKey(key, this))
        return refuse(*std::move(refused));
    key_ = key;
}

void Panel::setStyle(PanelStyleConstants style)
{
    if (std::optional<Failure> refused = refusedStyle(style))
        return refuse(*std::move(refused));
    style_ = style;
    const bool clock = style == sbrTime || style == sbrDate;
    if (clock && !clock_) {
        clock_ = new QTimer(this);
        connect(clock_, &QTimer::timeout, this, &Panel::showText);
        clock_->start(clockTick);
    } else if (!clock && clock_) {
        delete clock_;
        clock_ = nullptr;
    }
    showText();
}

bool Panel::refusedTwips(float twips, const char *what)
{
    if (twips >= 0 && twips <= mostTwips)
        return false;
    refuse(
        status::invalidPropertyValue,
        QStringLiteral("a panel's %1 is 0 to %2 twips").arg(QLatin1String(what)).arg(mostTwips, 0, 'f', 0));
    return true;
}

void Panel::setWidth(float twips)
{
    if (refusedTwips(twips, "width"))
        return;
    width_ = twips;
    applyWidth();
}

void Panel::setMinWidth(float twips)
{
    if (refusedTwips(twips, "least width"))
        return;
    minWidth_ = twips;
    applyWidth();
}

void Panel::setAutoSize(PanelAutoSizeConstants autoSize)
{
    QLabel *const label = label_.data();
    const bool springs = autoSize == sbrSpring;
    const bool sprang = autoSize_ == sbrSpring;
    autoSize_ = autoSize;
    if (label && springs != sprang) {
        // A spring shares out what the bar has left: the bar takes a panel's stretch as it is added.
        const bool shown = label->isVisibleTo(&bar_);
        bar_.removeWidget(label);
        bar_.insertWidget(index() - 1, label, springs ? 1 : 0);
        label->setVisible(shown);
    }
    applyWidth();
}

void Panel::setAlignment(PanelAlignmentConstants alignment)
{
    QLabel *const label = label_.data();
    alignment_ = alignment;
    constexpr Qt::Alignment across[] = { Qt::AlignLeft, Qt::AlignHCenter, Qt::AlignRight };
    if (label)
        label->setAlignment(across[alignment] | Qt::AlignVCenter);
}

void Panel::setBevel(PanelBevelConstants bevel)
{
    QLabel *const label = label_.data();
    bevel_ = bevel;
    constexpr int frames[]
        = { QFrame::NoFrame, QFrame::Panel | QFrame::Sunken, QFrame::Panel | QFrame::Raised };
    if (label)
        label->setFrameStyle(frames[bevel]);
}

bool Panel::enabled() const
{
    QLabel *const label = label_.data();
    return label && label->isEnabled();
}

void Panel::setEnabled(bool enabled)
{
    QLabel *const label = label_.data();
    if (label)
        label->setEnabled(enabled);
}

void Panel::setVisible(bool visible)
{
    visible_ = visible;
    showOn(barShowsPanels_);
}

QString Panel::toolTipText() const
{
    QLabel *const label = label_.data();
    return label ? label->toolTip() : QString();
}

void Panel::setToolTipText(const QString &text)
{
    QLabel *const label = label_.data();
    if (label)
        label->setToolTip(text);
}

void Panel::setPicture(const QString &path)
{
    if (!path.isEmpty()) {
        if (Outcome<QImage> read = readPicture(path); !read)
            return refuse(std::move(read).failure());
    }
    picture_ = path;
    showText();
}

void Panel::showOn(bool barShowsPanels)
{
    QLabel *const label = label_.data();
    barShowsPanels_ = barShowsPanels;
    if (label)
        label->setVisible(visible_ && barShowsPanels);
}

void Panel::leaveBar()
{
    QLabel *const label = label_.data();
    if (!label)
        return;
    bar_.removeWidget(label);
    // Later: the panel may go while its own click is being delivered.
    label->deleteLater();
}

void Panel::showText()
{
    QLabel *const label = label_.data();
    if (!label)
        return;
    QString shown = text_;
    if (style_ == sbrTime)
        shown = QLocale().toString(QTime::currentTime(), QLocale::ShortFormat);
    else if (style_ == sbrDate)
        shown = QLocale().toString(QDate::currentDate(), QLocale::ShortFormat);
    if (picture_.isEmpty()) {
        label->setTextFormat(Qt::PlainText);
        label->setText(shown);
        return;
    }
    // The picture stands left of the text, as the panel draws it.
    label->setTextFormat(Qt::RichText);
    label->setText(QStringLiteral("<img src=\"%1\">&nbsp;%2")
                       .arg(QUrl::fromLocalFile(picture_).toString().toHtmlEscaped(), shown.toHtmlEscaped()));
}

void Panel::applyWidth()
{
    QLabel *const label = label_.data();
    if (!label)
        return;
    const TwipsScale scale = TwipsScale::of(bar_);
    const float least = autoSize_ == sbrNoAutoSize ? std::max(width_, minWidth_) : minWidth_;
    label->setMinimumWidth(scale.toPixelsX(qRound(least)));
}

} // namespace qv::mscomctl
