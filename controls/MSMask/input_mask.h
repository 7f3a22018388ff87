#pragma once
// The masked edit box's mask syntax: what each position of its text takes, and the QLineEdit input mask that
// takes the same.

#include <quorvane/outcome.h>

#include <QString>
#include <QStringView>
#include <vector>

namespace qv::msmask
{

// A position of the masked text: a literal, or a placeholder for input of a kind.
struct MaskSlot {
    enum class Kind { Literal, Digit, Letter, LetterOrDigit, Any };
    Kind kind = Kind::Literal;
    bool required = false;
    QChar literal; // a literal's character
};

struct ParsedMask {
    std::vector<MaskSlot> positions; // one for each position of the text; case changes take none
    QString inputMask; // for QLineEdit, without its prompt
};

// Fails with a message naming the fault when the mask cannot be read, or holds what QLineEdit cannot.
Outcome<ParsedMask> parseMask(QStringView mask);

// The QLineEdit input mask for mask, with prompt shown for input still due.
Outcome<QString> toInputMask(QStringView mask, QChar prompt);

// Whether c may be typed at an input slot; the prompt clears an optional one.
bool fits(const MaskSlot &slot, QChar c, QChar prompt);

} // namespace qv::msmask
