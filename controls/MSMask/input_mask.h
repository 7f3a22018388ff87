#pragma once
// The masked edit box's mask syntax, translated to the input mask syntax of QLineEdit.

#include <QString>
#include <QStringView>
#include <optional>

namespace qv::msmask
{

// The QLineEdit input mask for mask, with prompt shown for input still due; std::nullopt with a message
// in error when the mask cannot be read.
std::optional<QString> toInputMask(QStringView mask, QChar prompt, QString &error);

} // namespace qv::msmask
