#include "input_mask.h"

namespace qv::msmask
{

namespace
{
// A masked edit box placeholder and the QLineEdit mask character that accepts the same input.
struct Placeholder {
    char16_t masked;
    char16_t qt;
};

constexpr Placeholder placeholders[] {
    { u'#', u'9' }, // digit, required
    { u'9', u'0' }, // digit, optional
    { u'?', u'A' }, // letter, required
    { u'A', u'N' }, // letter or digit, required
    { u'a', u'n' }, // letter or digit, optional
    { u'&', u'X' }, // any character, required
    { u'C', u'x' }, // any character, optional
    { u'>', u'>' }, // what follows in upper case
    { u'<', u'<' }, // what follows in lower case
};

// Characters QLineEdit reads as mask syntax; as literals they need an escape.
constexpr QStringView qtMaskSyntax = u"AaNnXx90DdHhBb#<>!\\[]{};";

std::optional<char16_t> placeholderFor(QChar c)
{
    for (const Placeholder &p : placeholders) {
        if (c == QChar(p.masked))
            return p.qt;
    }
    return std::nullopt;
}
} // namespace

Outcome<QString> toInputMask(QStringView mask, QChar prompt)
{
    QString input;
    for (qsizetype i = 0; i < mask.size(); ++i) {
        QChar literal = mask[i];
        if (literal == u'\\') {
            if (++i == mask.size())
                return failure(
                    status::badFileFormat,
                    QStringLiteral("Mask ends in \\, which must be followed by the character it escapes"));
            literal = mask[i];
        } else if (const auto placeholder = placeholderFor(literal)) {
            input += QChar(*placeholder);
            continue;
        }
        if (qtMaskSyntax.contains(literal))
            input += u'\\';
        input += literal;
    }
    return input + u';' + prompt;
}

} // namespace qv::msmask
