#include "up_down.h"

#include "controls/interface/accessible_role.h"
#include "controls/interface/checked_block.h"

#include <QBoxLayout>
#include <QToolButton>
#include <algorithm>
#include <limits>

namespace qv::mscomctl2
{

namespace
{
constexpr int lowest = std::numeric_limits<int>::min();
constexpr int highest = std::numeric_limits<int>::max();

QToolButton *arrowButton(Qt::ArrowType arrow, const QString &name, QWidget *parent)
{
    auto *button = new QToolButton(parent);
    button->setAccessibleName(name);
    button->setArrowType(arrow);
    button->setAutoRepeat(true);
    button->setFocusPolicy(Qt::NoFocus);
    button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    return button;
}
} // namespace

UpDownControl::UpDownControl(Range range, int value, Qt::Orientation orientation, QWidget *parent)
    : QFrame(parent)
    , range_(range)
    , value_(value)
    , orientation_(orientation)
{
    presentAs(*this, QAccessible::SpinBox);
    const bool vertical = orientation == Qt::Vertical;
    // The button toward Max comes first: on top, or on the right when the pair lies across.
    auto *layout = new QBoxLayout(vertical ? QBoxLayout::TopToBottom : QBoxLayout::RightToLeft, this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    QToolButton *towardMax = arrowButton(vertical ? Qt::UpArrow : Qt::RightArrow,
                                         vertical ? QStringLiteral("Up") : QStringLiteral("Right"), this);
    QToolButton *towardMin = arrowButton(vertical ? Qt::DownArrow : Qt::LeftArrow,
                                         vertical ? QStringLiteral("Down") : QStringLiteral("Left"), this);
    layout->addWidget(towardMax);
    layout->addWidget(towardMin);
    connect(towardMax, &QToolButton::clicked, this, [this] { step(true); });
    connect(towardMin, &QToolButton::clicked, this, [this] { step(false); });
}

void UpDownControl::setValue(int value)
{
    if (value == value_)
        return;
    value_ = value;
    emit valueChanged(value_);
}

void UpDownControl::setRange(Range range)
{
    range_ = range;
    setValue(std::clamp(value_, std::min(range.min, range.max), std::max(range.min, range.max)));
}

void UpDownControl::step(bool towardMax)
{
    emit stepped(towardMax);
    const long long low = std::min(range_.min, range_.max);
    const long long high = std::max(range_.min, range_.max);
    const long long sign = (range_.max >= range_.min) == towardMax ? 1 : -1;
    long long next = value_ + sign * range_.increment;
    if (next > high)
        next = range_.wrap ? low : high;
    else if (next < low)
        next = range_.wrap ? high : low;
    setValue(static_cast<int>(next));
}

ControlLibrary::Creation createUpDown(std::span<const std::byte> settings, QWidget &container)
{
    settings::CheckedBlock state(settings);
    UpDownControl::Range range;
    range.min = state.integer(u"Min", 0, lowest, highest);
    range.max = state.integer(u"Max", 10, lowest, highest);
    range.increment = state.integer(u"Increment", 1, 1, highest);
    range.wrap = state.flag(u"Wrap", false);
    const int value = state.integer(u"Value", range.min, lowest, highest);
    if (value < std::min(range.min, range.max) || value > std::max(range.min, range.max))
        state.refuse(QStringLiteral("Value is %1; it must lie between Min (%2) and Max (%3)")
                         .arg(value)
                         .arg(range.min)
                         .arg(range.max));
    const bool horizontal = state.integer(u"Orientation", 0, 0, 1) == 1;
    if (!state.ok())
        return { nullptr, state.error() };

    return { new UpDownControl(range, value, horizontal ? Qt::Horizontal : Qt::Vertical, &container), {} };
}

} // namespace qv::mscomctl2
