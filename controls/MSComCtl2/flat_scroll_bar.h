#pragma once
// Stands in for the flat scroll bar: a scroll bar drawn flat, without the bevels of the usual one.

#include <quorvane/control_library.h>

#include <QScrollBar>

namespace qv::mscomctl2
{

// Saved state: "Orientation" (0 vertical; 1 horizontal, the default), "Appearance" (0 the usual raised
// look; 1 flat, the default), "Min" and "Max" (-32768 to 32767, default 0 and 100, Min not above Max),
// "Value" (between them, default Min), "SmallChange" and "LargeChange" (1 to 32767, default 1).
// Min, Max and Value are Integers.
inline constexpr int scrollBarLowest = -32768;
inline constexpr int scrollBarHighest = 32767;

ControlLibrary::Creation createFlatScrollBar(std::span<const std::byte> settings, QWidget &container);

class FlatScrollBar final : public QScrollBar
{
public:
    FlatScrollBar(Qt::Orientation orientation, bool flat, QWidget *parent);
    bool isFlat() const { return flat_; }
    void setFlat(bool flat);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    bool flat_;
};

} // namespace qv::mscomctl2
