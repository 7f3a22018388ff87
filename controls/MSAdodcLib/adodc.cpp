#include "adodc.h"

#include "controls/interface/accessible_role.h"
#include "controls/interface/checked_block.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QStyle>
#include <QToolButton>

namespace qv::msadodc
{

namespace
{
enum class Move { First, Previous, Next, Last };

constexpr int glyphSize = 8;

// The record-move glyph: a triangle pointing the way the button moves, with a bar beside it for the first
// and last record. Drawn pointing right, then mirrored for the backward buttons.
QIcon moveGlyph(Move move, const QColor &colour)
{
    const bool backward = move == Move::First || move == Move::Previous;
    const bool toTheEnd = move == Move::First || move == Move::Last;
    QPixmap pixmap(glyphSize, glyphSize);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    if (backward) {
        painter.translate(glyphSize, 0);
        painter.scale(-1, 1);
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    const int left = toTheEnd ? 1 : 2;
    const QPoint triangle[] { { left, 0 }, { left + 4, 4 }, { left, 8 } };
    painter.drawPolygon(triangle, 3);
    if (toTheEnd)
        painter.drawRect(left + 5, 0, 2, glyphSize);
    return QIcon(pixmap);
}

QToolButton *moveButton(Move move, const QString &name, QWidget &control)
{
    auto *button = new QToolButton(&control);
    button->setIcon(moveGlyph(move, control.palette().color(QPalette::ButtonText)));
    button->setIconSize(QSize(glyphSize, glyphSize));
    button->setAccessibleName(name);
    // As wide as a scroll-bar arrow and as tall as the control, like the data control's buttons.
    button->setFixedWidth(control.style()->pixelMetric(QStyle::PM_ScrollBarExtent));
    button->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
    return button;
}
} // namespace

ControlLibrary::Creation createAdodc(std::span<const std::byte> settings, QWidget &container)
{
    settings::CheckedBlock state(settings);
    const QString captionText = state.text(u"Caption", {});
    if (!state.ok())
        return { nullptr, state.error() };

    auto *control = new QWidget(&container);
    presentAs(*control, QAccessible::ToolBar); // a row of record buttons
    // The caption sits on the window colour, left-aligned beside the backward buttons.
    auto *caption = new QLabel(captionText, control);
    caption->setAutoFillBackground(true);
    caption->setBackgroundRole(QPalette::Base);
    caption->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    caption->setIndent(caption->fontMetrics().averageCharWidth());
    caption->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);

    auto *row = new QHBoxLayout(control);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    row->addWidget(moveButton(Move::First, QStringLiteral("First record"), *control));
    row->addWidget(moveButton(Move::Previous, QStringLiteral("Previous record"), *control));
    row->addWidget(caption, 1);
    row->addWidget(moveButton(Move::Next, QStringLiteral("Next record"), *control));
    row->addWidget(moveButton(Move::Last, QStringLiteral("Last record"), *control));
    return { control, {} };
}

} // namespace qv::msadodc
