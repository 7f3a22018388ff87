#pragma once
// Stands in for the cool bar: three bands in a row, a band flagged for a new row starting one below.

#include <quorvane/control_library.h>

#include <QFrame>

namespace qv::comctl3
{

// The block holds named settings, all whole numbers: "_extentx" and "_extenty" (the size in hundredths of a
// millimetre, not negative), "_cbwidth" and "_cbheight" (the bar's preferred size in pixels, 0 to 32767; 0
// leaves it to the bands), "_version" (not negative), and per band N of 1 to 3: "widthN" (pixels, 0 to
// 32767, default 100), "minheightN" (pixels, 0 to 32767, default 24) and "newrowN" (non-zero: the band
// starts a new row; ignored for the first band). An absent setting takes its default.
ControlLibrary::Creation createCoolBar(std::span<const std::byte> settings, QWidget &container);

class CoolBand;

// Lays the bands out in rows, in order: a band flagged for a new row starts one below (the first never
// does), and the last shown band of a row takes up what the row has left, as the real bar draws it.
void arrangeBands(QFrame &bar, const QList<CoolBand *> &bands);

class CoolBarControl final : public QFrame
{
    Q_OBJECT

public:
    CoolBarControl(QSize preferred, QWidget *parent);
    QSize sizeHint() const override;

private:
    QSize preferred_;
};

} // namespace qv::comctl3
