#pragma once
// The masked edit box's mask syntax, translated to the input mask syntax of QLineEdit.

#include <quorvane/outcome.h>

#include <QString>
#include <QStringView>

namespace qv::msmask
{

// The QLineEdit input mask for mask, with prompt shown for input still due; fails with a message when the
// mask cannot be read.
Outcome<QString> toInputMask(QStringView mask, QChar prompt);

} // namespace qv::msmask
