#include "input_mask.h"

namespace qv::msmask
{

namespace
{
// A masked edit box placeholder, what it takes, and the QLineEdit mask character that takes the same.
struct Placeholder {
    char16_t masked;
    MaskSlot::Kind kind;
    bool required;
    char16_t qt;
};

constexpr Placeholder placeholders[] {
    { u'#', MaskSlot::Kind::Digit, true, u'9' },          { u'9', MaskSlot::Kind::Digit, false, u'0' },
    { u'?', MaskSlot::Kind::Letter, true, u'A' },         { u'A', MaskSlot::Kind::LetterOrDigit, true, u'N' },
    { u'a', MaskSlot::Kind::LetterOrDigit, false, u'n' }, { u'&', MaskSlot::Kind::Any, true, u'X' },
    { u'C', MaskSlot::Kind::Any, false, u'x' },
};

// What follows in upper case, or in lower case: the same in both syntaxes, and no position of the text.
constexpr QStringView caseChanges = u"<>";

// Characters QLineEdit reads as mask syntax; as literals they need an escape.
constexpr QStringView qtMaskSyntax = u"AaNnXx90DdHhBb#<>!\\[]{}";

const Placeholder *placeholderFor(QChar c)
{
    for (const Placeholder &p : placeholders) {
        if (c == QChar(p.masked))
            return &p;
    }
    return nullptr;
}
} // namespace

Outcome<ParsedMask> parseMask(QStringView mask)
{
    ParsedMask parsed;
    for (qsizetype i = 0; i < mask.size(); ++i) {
        QChar literal = mask[i];
        if (literal == u'\\') {
            if (++i == mask.size())
                return failure(
                    status::badFileFormat,
                    QStringLiteral("Mask ends in \\, which must be followed by the character it escapes"));
            literal = mask[i];
        } else if (const Placeholder *placeholder = placeholderFor(literal)) {
            parsed.inputMask += QChar(placeholder->qt);
            parsed.positions.push_back({ placeholder->kind, placeholder->required, {} });
            continue;
        } else if (caseChanges.contains(literal)) {
            parsed.inputMask += literal;
            continue;
        }
        // QLineEdit ends its mask at the first ';', escaped or not.
        if (literal == u';')
            return failure(
                status::badFileFormat,
                QStringLiteral("Mask holds the literal ';' at %1, which the edit box cannot show").arg(i));
        if (qtMaskSyntax.contains(literal))
            parsed.inputMask += u'\\';
        parsed.inputMask += literal;
        parsed.positions.push_back({ MaskSlot::Kind::Literal, false, literal });
    }
    return parsed;
}

Outcome<QString> toInputMask(QStringView mask, QChar prompt)
{
    Outcome<ParsedMask> parsed = parseMask(mask);
    if (!parsed)
        return std::move(parsed).failure();
    return parsed.value().inputMask + u';' + prompt;
}

bool fits(const MaskSlot &slot, QChar c, QChar prompt)
{
    if (c == prompt)
        return !slot.required && slot.kind != MaskSlot::Kind::Literal;
    switch (slot.kind) {
    case MaskSlot::Kind::Literal:
        return false;
    case MaskSlot::Kind::Digit:
        return c.isNumber();
    case MaskSlot::Kind::Letter:
        return c.isLetter();
    case MaskSlot::Kind::LetterOrDigit:
        return c.isLetterOrNumber();
    case MaskSlot::Kind::Any:
        return c.isPrint();
    }
    return false;
}

} // namespace qv::msmask
