// The frame: a titled box whose children, the records that name it as their container, are placed inside it
// at their stored positions, measured from the frame's outer corner as the classic control measures them.

#include "runtime/builtin/makers.h"

#include <QGroupBox>

namespace qv::builtin
{

Outcome<QObject *> makeFrame(const ControlRecord &record, const MakeSite &site)
{
    return new QGroupBox(storedText(record.text), &site.container);
}

} // namespace qv::builtin
