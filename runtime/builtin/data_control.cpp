// The data control's bar and its maker.

#include "runtime/builtin/data_control.h"
#include "controls/interface/accessible_role.h"
#include "runtime/builtin/makers.h"

#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QResizeEvent>
#include <array>

namespace qv::builtin
{

namespace
{
enum class Move { First, Previous, Next, Last };

// A square button showing where it moves: a triangle, with a bar at the end for the first and last records.
class MoveButton final : public QPushButton
{
public:
    MoveButton(Move move, QWidget &bar)
        : QPushButton(&bar)
        , move_(move)
    {
        setFocusPolicy(Qt::NoFocus);
        setAccessibleName(accessibleNameOf(move));
    }

protected:
    void paintEvent(QPaintEvent *event) override
    {
        QPushButton::paintEvent(event);
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        painter.setBrush(
            palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
        const bool backwards = move_ == Move::First || move_ == Move::Previous;
        const bool toTheEnd = move_ == Move::First || move_ == Move::Last;
        const qreal side = std::min(width(), height()) / 3.0;
        const QPointF centre = QRectF(rect()).center();
        const qreal tip = backwards ? -side / 2 : side / 2;
        const std::array triangle { QPointF(centre.x() + tip, centre.y()),
                                    QPointF(centre.x() - tip, centre.y() - side / 2),
                                    QPointF(centre.x() - tip, centre.y() + side / 2) };
        painter.drawPolygon(triangle.data(), static_cast<int>(triangle.size()));
        if (toTheEnd) {
            const qreal barWidth = std::max(1.0, side / 5);
            const qreal x = backwards ? centre.x() + tip - barWidth : centre.x() + tip;
            painter.drawRect(QRectF(x, centre.y() - side / 2, barWidth, side));
        }
    }

private:
    static QString accessibleNameOf(Move move)
    {
        switch (move) {
        case Move::First:
            return QStringLiteral("First record");
        case Move::Previous:
            return QStringLiteral("Previous record");
        case Move::Next:
            return QStringLiteral("Next record");
        case Move::Last:
            break;
        }
        return QStringLiteral("Last record");
    }

    Move move_;
};

} // namespace

DataControlBar::DataControlBar(const ControlRecord &record, QWidget &container)
    : QWidget(&container)
    , buttons_ { new MoveButton(Move::First, *this), new MoveButton(Move::Previous, *this),
                 new MoveButton(Move::Next, *this), new MoveButton(Move::Last, *this) }
    , caption_(new QLabel(storedText(record.text), this))
{
    caption_->setTextFormat(Qt::PlainText);
    caption_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    caption_->setIndent(2);
    caption_->setBackgroundRole(QPalette::Base);
    caption_->setAutoFillBackground(true);
}

QString DataControlBar::caption() const
{
    return caption_->text();
}

void DataControlBar::setCaption(const QString &caption)
{
    caption_->setText(caption);
}

// The buttons stay square at the bar's height; the caption takes what is left between them.
void DataControlBar::resizeEvent(QResizeEvent *event)
{
    const int side = std::min(event->size().height(), event->size().width() / 4);
    const int h = event->size().height();
    const int w = event->size().width();
    buttons_[0]->setGeometry(0, 0, side, h);
    buttons_[1]->setGeometry(side, 0, side, h);
    buttons_[2]->setGeometry(w - 2 * side, 0, side, h);
    buttons_[3]->setGeometry(w - side, 0, side, h);
    caption_->setGeometry(2 * side, 0, std::max(0, w - 4 * side), h);
}

Outcome<QObject *> makeDataControl(const ControlRecord &record, const MakeSite &site)
{
    auto *bar = new DataControlBar(record, site.container);
    presentAs(*bar, QAccessible::ToolBar); // a row of record buttons
    return bar;
}

} // namespace qv::builtin
