// The frame: a titled box whose children, the records that name it as their container, are placed inside it
// at their stored positions, measured from the frame's outer corner as the classic control measures them.

#include "builtin_makers.h"

#include <QGroupBox>

namespace qv
{

QWidget *makeFrame(const ControlRecord &record, QWidget &container)
{
    return new QGroupBox(storedText(record.text), &container);
}

} // namespace qv
