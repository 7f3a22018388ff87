#include "runtime/builtin/scroll_bar_members.h"

#include <QScrollBar>

namespace qv::builtin
{

namespace
{
// A scroll bar's values are Integers.
constexpr int lowest = -32768;
constexpr int highest = 32767;
} // namespace

ScrollBarMembers::ScrollBarMembers(QScrollBar &scrollBar, const ControlRecord &record)
    : WindowedMembers(scrollBar, record)
{
    connect(&scrollBar, &QScrollBar::valueChanged, this, [this] {
        if (!bar().isSliderDown())
            emit Change();
    });
    connect(&scrollBar, &QScrollBar::sliderMoved, this, &ScrollBarMembers::Scroll);
    connect(&scrollBar, &QScrollBar::sliderReleased, this, &ScrollBarMembers::Change);
}

QScrollBar &ScrollBarMembers::bar() const
{
    return static_cast<QScrollBar &>(*widget());
}

bool ScrollBarMembers::refusedValue(int value, const char *what)
{
    if (value >= lowest && value <= highest)
        return false;
    refuse(status::invalidPropertyValue, QStringLiteral("%1 is -32768 to 32767").arg(QLatin1String(what)));
    return true;
}

int ScrollBarMembers::value() const
{
    return bar().invertedAppearance() ? -bar().value() : bar().value();
}

void ScrollBarMembers::setValue(int value)
{
    const int low = std::min(min(), max());
    const int high = std::max(min(), max());
    if (value < low || value > high)
        return refuse(status::invalidPropertyValue,
                      QStringLiteral("the value is %1 to %2").arg(min()).arg(max()));
    bar().setValue(bar().invertedAppearance() ? -value : value);
}

int ScrollBarMembers::min() const
{
    return bar().invertedAppearance() ? -bar().minimum() : bar().minimum();
}

int ScrollBarMembers::max() const
{
    return bar().invertedAppearance() ? -bar().maximum() : bar().maximum();
}

void ScrollBarMembers::setMin(int min)
{
    if (!refusedValue(min, "Min"))
        setRange(min, max());
}

void ScrollBarMembers::setMax(int max)
{
    if (!refusedValue(max, "Max"))
        setRange(min(), max);
}

void ScrollBarMembers::setRange(int min, int max)
{
    // Min above Max turns the bar round: its value then grows towards its start. The bar holds the values
    // negated, from -Min to -Max.
    const bool inverted = min > max;
    bar().setInvertedAppearance(inverted);
    bar().setInvertedControls(inverted);
    if (inverted)
        bar().setRange(-min, -max);
    else
        bar().setRange(min, max);
}

int ScrollBarMembers::smallChange() const
{
    return bar().singleStep();
}

void ScrollBarMembers::setSmallChange(int change)
{
    if (change < 1 || change > highest)
        return refuse(status::invalidPropertyValue, QStringLiteral("a change is 1 to 32767"));
    bar().setSingleStep(change);
}

int ScrollBarMembers::largeChange() const
{
    return bar().pageStep();
}

void ScrollBarMembers::setLargeChange(int change)
{
    if (change < 1 || change > highest)
        return refuse(status::invalidPropertyValue, QStringLiteral("a change is 1 to 32767"));
    bar().setPageStep(change);
}

} // namespace qv::builtin
