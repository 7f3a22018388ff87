#include "rich_text_reader.h"
#include "code_page_1252.h"

#include <QStringList>
#include <algorithm>
#include <array>
#include <limits>
#include <map>
#include <optional>

namespace qv::richtextlib
{

namespace
{

constexpr qsizetype maxWordLength = 32;
constexpr qsizetype maxParameterDigits = 10;
constexpr int maxFallbackLength = 16;

bool isAsciiLetter(QChar c)
{
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}

bool isAsciiDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

int hexValue(QChar c)
{
    if (isAsciiDigit(c))
        return c.unicode() - u'0';
    if (c >= u'a' && c <= u'f')
        return c.unicode() - u'a' + 10;
    if (c >= u'A' && c <= u'F')
        return c.unicode() - u'A' + 10;
    return -1;
}

enum class Destination { Body, FontTable, ColourTable, Skipped };

struct Group {
    Destination destination = Destination::Body;
    CharacterFormat format;
    int fallbackLength = 1; // \ucN: the characters after a \uN that stand in for it
};

struct ControlWord {
    QString name;
    std::optional<int> parameter;
};

class Reader
{
public:
    explicit Reader(QStringView rtf)
        : rtf_(rtf)
    {
    }
    Outcome<RichTextDocument> read();

private:
    bool fail(qsizetype at, const QString &what);
    bool readHeader();
    bool readNext();
    bool readAfterDocument();
    bool readControl(qsizetype start);
    bool readWord(qsizetype start, ControlWord &word);
    bool readEscape(qsizetype start);
    bool openGroup(qsizetype start);
    bool closeGroup(qsizetype start);
    bool skipGroup(qsizetype start);
    bool applyWord(qsizetype start, const ControlWord &word);
    bool applyBodyWord(qsizetype start, const ControlWord &word);
    bool applyFontTableWord(qsizetype start, const ControlWord &word);
    bool applyColourTableWord(qsizetype start, const ControlWord &word);
    bool applyUnicode(qsizetype start, int number);
    bool selectColour(qsizetype start, int number, CharacterFormat &format);
    bool openDestination(qsizetype start, const ControlWord &word, Destination destination);
    bool addText(qsizetype at, char16_t c);
    bool finishFontEntry(qsizetype at);
    bool finishFontTable(qsizetype at);
    bool finishColourEntry();
    void endParagraph();
    QString defaultFace() const;

    QStringView rtf_;
    qsizetype at_ = 0;
    qsizetype groupStart_ = -1; // where the innermost group's content begins
    std::vector<Group> groups_;
    std::map<int, QString> fonts_;
    bool sawFontTable_ = false;
    std::optional<int> defaultFont_;
    std::optional<int> entryFont_; // the font table entry being read
    QString entryName_;
    bool sawColourTable_ = false;
    std::vector<std::optional<std::uint32_t>> colours_;
    std::array<int, 3> entryRgb_ {}; // the colour table entry being read
    bool entryHasRgb_ = false;
    int pendingFallback_ = 0; // characters still to pass over after a \uN
    Paragraph paragraph_;
    RichTextDocument document_;
    QString error_;
};

bool Reader::fail(qsizetype at, const QString &what)
{
    error_ = QStringLiteral("rich text at offset %1: %2").arg(at).arg(what);
    return false;
}

Outcome<RichTextDocument> Reader::read()
{
    const bool ok = [this] {
        if (rtf_.size() > maxDocumentLength)
            return fail(0,
                        QStringLiteral("the document is %1 characters long; at most %2 are read")
                            .arg(rtf_.size())
                            .arg(maxDocumentLength));
        if (!readHeader())
            return false;
        while (!groups_.empty()) {
            if (!readNext())
                return false;
        }
        return readAfterDocument();
    }();
    if (!ok)
        return failure(status::badFileFormat, error_);
    if (!paragraph_.runs.empty())
        endParagraph();
    return std::move(document_);
}

bool Reader::readHeader()
{
    const auto missing
        = [this] { return fail(0, QStringLiteral("the document does not start with {\\rtf1")); };
    if (!rtf_.startsWith(u"{\\rtf"))
        return missing();
    groups_.emplace_back();
    at_ = 2;
    groupStart_ = 1;
    ControlWord header;
    if (!readWord(1, header))
        return false;
    if (header.name != u"rtf")
        return missing();
    if (header.parameter != 1)
        return fail(
            1,
            QStringLiteral("the document is RTF version %1; only version 1 is read")
                .arg(header.parameter ? QString::number(*header.parameter) : QStringLiteral("(none)")));
    return true;
}

bool Reader::readNext()
{
    if (at_ == rtf_.size())
        return fail(
            at_,
            QStringLiteral("the document ends with %1 group(s) still open: a closing brace is missing")
                .arg(groups_.size()));
    const qsizetype start = at_;
    const QChar c = rtf_.at(at_++);
    switch (c.unicode()) {
    case u'{':
        return openGroup(start);
    case u'}':
        return closeGroup(start);
    case u'\\':
        return readControl(start);
    case u'\r':
    case u'\n':
        return true; // line breaks in the file are not text
    case u'\t':
        return addText(start, u'\t');
    default:
        if (c.unicode() < 0x20 || c.unicode() > 0x7E)
            return fail(start,
                        QStringLiteral("the character U+%1 is not 7-bit text; it belongs in a \\'hh escape")
                            .arg(c.unicode(), 4, 16, QLatin1Char('0')));
        return addText(start, c.unicode());
    }
}

// Rich edit controls end the text they save with a line break or a null; nothing else may follow.
bool Reader::readAfterDocument()
{
    for (; at_ < rtf_.size(); ++at_) {
        const QChar c = rtf_.at(at_);
        if (c == u'}')
            return fail(at_, QStringLiteral("a closing brace has no group to close"));
        if (c != u'\r' && c != u'\n' && c != QChar::Null)
            return fail(at_, QStringLiteral("text follows the document's closing brace"));
    }
    return true;
}

bool Reader::readControl(qsizetype start)
{
    if (at_ == rtf_.size())
        return fail(start, QStringLiteral("the document ends with a lone backslash"));
    const QChar c = rtf_.at(at_);
    if (isAsciiLetter(c)) {
        ControlWord word;
        if (!readWord(start, word))
            return false;
        pendingFallback_ = 0;
        return applyWord(start, word);
    }
    ++at_;
    switch (c.unicode()) {
    case u'\\':
    case u'{':
    case u'}':
        return addText(start, c.unicode());
    case u'~':
        return addText(start, u'\u00A0');
    case u'_':
        return addText(start, u'\u2011');
    case u'-':
        return true; // an optional hyphen: where lines break is the text box's own business
    case u'\'':
        return readEscape(start);
    case u'*':
        return skipGroup(start);
    case u'\r':
    case u'\n':
        return applyWord(start, ControlWord { QStringLiteral("par"), {} });
    default:
        return fail(start, QStringLiteral("\\%1 is not a control symbol").arg(c));
    }
}

// A control word: letters, an optional signed number, and an optional space that belongs to the word.
bool Reader::readWord(qsizetype start, ControlWord &word)
{
    const qsizetype nameStart = at_;
    while (at_ < rtf_.size() && isAsciiLetter(rtf_.at(at_)))
        ++at_;
    if (at_ - nameStart > maxWordLength)
        return fail(start, QStringLiteral("a control word is longer than %1 letters").arg(maxWordLength));
    word.name = rtf_.sliced(nameStart, at_ - nameStart).toString();
    if (at_ < rtf_.size() && (rtf_.at(at_) == u'-' || isAsciiDigit(rtf_.at(at_)))) {
        const bool negative = rtf_.at(at_) == u'-';
        if (negative)
            ++at_;
        const qsizetype digitsStart = at_;
        while (at_ < rtf_.size() && isAsciiDigit(rtf_.at(at_)))
            ++at_;
        const qsizetype digits = at_ - digitsStart;
        if (digits == 0)
            return fail(start, QStringLiteral("\\%1 has a '-' with no number after it").arg(word.name));
        const qint64 value = digits > maxParameterDigits ? -1 : rtf_.sliced(digitsStart, digits).toLongLong();
        if (value < 0 || value > std::numeric_limits<int>::max())
            return fail(start, QStringLiteral("the number after \\%1 is out of range").arg(word.name));
        word.parameter = static_cast<int>(negative ? -value : value);
    }
    if (at_ < rtf_.size() && rtf_.at(at_) == u' ')
        ++at_;
    return true;
}

bool Reader::readEscape(qsizetype start)
{
    if (rtf_.size() - at_ < 2)
        return fail(start, QStringLiteral("the escape \\' is cut short: two hex digits must follow"));
    const QStringView digits = rtf_.sliced(at_, 2);
    const int high = hexValue(digits.at(0));
    const int low = hexValue(digits.at(1));
    if (high < 0 || low < 0)
        return fail(start, QStringLiteral("the escape \\'%1 is not two hex digits").arg(digits));
    at_ += 2;
    const int byte = high * 16 + low;
    if (byte < 0x20 && byte != 0x09)
        return fail(start, QStringLiteral("the escape \\'%1 is a control character, not text").arg(digits));
    const char16_t c = byte >= 0x80 && byte < 0xA0 ? cp1252Upper[static_cast<std::size_t>(byte - 0x80)]
                                                   : static_cast<char16_t>(byte);
    if (c == 0)
        return fail(start, QStringLiteral("the escape \\'%1 has no character in code page 1252").arg(digits));
    return addText(start, c);
}

bool Reader::openGroup(qsizetype start)
{
    if (std::ssize(groups_) >= maxGroupDepth)
        return fail(start, QStringLiteral("groups nest deeper than %1 levels").arg(maxGroupDepth));
    groups_.push_back(groups_.back());
    groupStart_ = at_;
    pendingFallback_ = 0;
    return true;
}

bool Reader::closeGroup(qsizetype start)
{
    const Destination closing = groups_.back().destination;
    if (closing == Destination::FontTable && entryFont_)
        return fail(
            start, QStringLiteral("the font table entry for font %1 does not end with ';'").arg(*entryFont_));
    if (closing == Destination::FontTable && !entryName_.trimmed().isEmpty())
        return fail(start, QStringLiteral("a font table entry has no \\f number"));
    if (closing == Destination::ColourTable && entryHasRgb_)
        return fail(start, QStringLiteral("the colour table's last entry does not end with ';'"));
    pendingFallback_ = 0;
    groups_.pop_back();
    if (closing == Destination::FontTable && !groups_.empty()
        && groups_.back().destination != Destination::FontTable)
        return finishFontTable(start);
    return true;
}

// "{\*\word ...}": a group a reader may skip when it does not know the word, which this one always does.
bool Reader::skipGroup(qsizetype start)
{
    if (start != groupStart_)
        return fail(start, QStringLiteral("\\* does not open its group"));
    groups_.back().destination = Destination::Skipped;
    return true;
}

bool Reader::applyWord(qsizetype start, const ControlWord &word)
{
    static const QStringList needNumber { QStringLiteral("f"),        QStringLiteral("fs"),
                                          QStringLiteral("deff"),     QStringLiteral("ansicpg"),
                                          QStringLiteral("fcharset"), QStringLiteral("cf"),
                                          QStringLiteral("u"),        QStringLiteral("uc"),
                                          QStringLiteral("red"),      QStringLiteral("green"),
                                          QStringLiteral("blue") };
    if (!word.parameter && needNumber.contains(word.name))
        return fail(start, QStringLiteral("\\%1 needs a number").arg(word.name));
    switch (groups_.back().destination) {
    case Destination::Body:
        return applyBodyWord(start, word);
    case Destination::FontTable:
        return word.name == u"u" ? applyUnicode(start, *word.parameter) : applyFontTableWord(start, word);
    case Destination::ColourTable:
        return applyColourTableWord(start, word);
    case Destination::Skipped:
        return true;
    }
    return true;
}

// Words that neither carry text nor change its format (\pard, \viewkind, \lang and the like) are passed
// over, as a rich-text reader must pass over words it does not know.
bool Reader::applyBodyWord(qsizetype start, const ControlWord &word)
{
    const QString &name = word.name;
    const int number = word.parameter.value_or(0);
    CharacterFormat &format = groups_.back().format;
    if (name == u"fonttbl") {
        if (sawFontTable_)
            return fail(start, QStringLiteral("the document has a second font table"));
        sawFontTable_ = true;
        return openDestination(start, word, Destination::FontTable);
    }
    if (name == u"colortbl") {
        if (sawColourTable_)
            return fail(start, QStringLiteral("the document has a second colour table"));
        sawColourTable_ = true;
        return openDestination(start, word, Destination::ColourTable);
    }
    if (name == u"stylesheet" || name == u"info" || name == u"pict")
        return openDestination(start, word, Destination::Skipped);
    if (name == u"rtf")
        return fail(start, QStringLiteral("\\rtf appears again inside the document"));
    if (name == u"mac" || name == u"pc" || name == u"pca")
        return fail(
            start, QStringLiteral("the document uses the \\%1 character set; only \\ansi is read").arg(name));
    if (name == u"ansicpg" && number != 1252)
        return fail(start, QStringLiteral("the document uses code page %1; only 1252 is read").arg(number));
    if (name == u"deff") {
        if (sawFontTable_ && !fonts_.contains(number))
            return fail(start,
                        QStringLiteral("the default font \\deff%1 is not in the font table").arg(number));
        defaultFont_ = number;
    } else if (name == u"f") {
        const auto font = fonts_.find(number);
        if (font == fonts_.end())
            return fail(start,
                        QStringLiteral("\\f%1 selects font %1, which is not in the font table").arg(number));
        format.face = font->second;
    } else if (name == u"fs") {
        if (number < minHalfPoints || number > maxHalfPoints)
            return fail(start,
                        QStringLiteral("\\fs%1 is not a size of %2 to %3 half-points")
                            .arg(number)
                            .arg(minHalfPoints)
                            .arg(maxHalfPoints));
        format.halfPoints = number;
    } else if (name == u"b") {
        format.bold = number != 0 || !word.parameter;
    } else if (name == u"i") {
        format.italic = number != 0 || !word.parameter;
    } else if (name == u"cf") {
        return selectColour(start, number, format);
    } else if (name == u"u") {
        return applyUnicode(start, number);
    } else if (name == u"uc") {
        if (number < 0 || number > maxFallbackLength)
            return fail(
                start, QStringLiteral("\\uc%1 is not 0 to %2 characters").arg(number).arg(maxFallbackLength));
        groups_.back().fallbackLength = number;
    } else if (name == u"plain") {
        format = CharacterFormat {};
        format.face = defaultFace();
    } else if (name == u"par") {
        endParagraph();
    } else if (name == u"line") {
        return addText(start, u'\u2028');
    } else if (name == u"tab") {
        return addText(start, u'\t');
    }
    return true;
}

// A font table entry: \fN, then words about the font, then its name up to ';'.
bool Reader::applyFontTableWord(qsizetype start, const ControlWord &word)
{
    const int number = word.parameter.value_or(0);
    if (word.name == u"f") {
        if (entryFont_)
            return fail(
                start,
                QStringLiteral("the font table entry for font %1 does not end with ';'").arg(*entryFont_));
        if (number < 0)
            return fail(start, QStringLiteral("the font table has a negative font number %1").arg(number));
        entryFont_ = number;
        entryName_.clear();
    } else if (word.name == u"fcharset" && number != 0 && number != 1 && number != 2) {
        return fail(
            start,
            QStringLiteral("a font uses character set %1; only 0 (ANSI), 1 and 2 are read").arg(number));
    }
    return true;
}

bool Reader::applyColourTableWord(qsizetype start, const ControlWord &word)
{
    static const std::array<QStringView, 3> components { u"red", u"green", u"blue" };
    const auto component = std::find(components.begin(), components.end(), word.name);
    if (component == components.end())
        return true; // tints and shades and the like: the colour is what red, green and blue say
    const int value = *word.parameter;
    if (value < 0 || value > 255)
        return fail(start, QStringLiteral("\\%1%2 is not 0 to 255").arg(word.name).arg(value));
    entryRgb_[static_cast<std::size_t>(component - components.begin())] = value;
    entryHasRgb_ = true;
    return true;
}

bool Reader::finishColourEntry()
{
    colours_.push_back(entryHasRgb_ ? std::optional<std::uint32_t>(
                           static_cast<std::uint32_t>(entryRgb_[0] << 16 | entryRgb_[1] << 8 | entryRgb_[2]))
                                    : std::nullopt);
    entryRgb_ = {};
    entryHasRgb_ = false;
    return true;
}

// \cf0 with no colour table is the text box's own colour, as writers that keep no table say it.
bool Reader::selectColour(qsizetype start, int number, CharacterFormat &format)
{
    if (number == 0 && colours_.empty()) {
        format.colour.reset();
        return true;
    }
    if (number < 0 || number >= std::ssize(colours_))
        return fail(start,
                    QStringLiteral("\\cf%1 selects colour %1, which is not in the colour table").arg(number));
    format.colour = colours_[static_cast<std::size_t>(number)];
    return true;
}

// \uN: a UTF-16 unit, negative above 32767; the \ucN characters after it stand in for readers without \u.
bool Reader::applyUnicode(qsizetype start, int number)
{
    if (number < -32768 || number > 65535)
        return fail(start, QStringLiteral("\\u%1 is not a UTF-16 unit, -32768 to 65535").arg(number));
    if (!addText(start, static_cast<char16_t>(number < 0 ? number + 65536 : number)))
        return false;
    pendingFallback_ = groups_.back().fallbackLength;
    return true;
}

bool Reader::openDestination(qsizetype start, const ControlWord &word, Destination destination)
{
    if (start != groupStart_)
        return fail(start, QStringLiteral("\\%1 does not open its group").arg(word.name));
    groups_.back().destination = destination;
    return true;
}

bool Reader::addText(qsizetype at, char16_t c)
{
    if (pendingFallback_ > 0) {
        --pendingFallback_;
        return true;
    }
    switch (groups_.back().destination) {
    case Destination::Body: {
        const CharacterFormat &format = groups_.back().format;
        if (paragraph_.runs.empty() || paragraph_.runs.back().format != format)
            paragraph_.runs.push_back(TextRun { {}, format });
        paragraph_.runs.back().text.append(QChar(c));
        return true;
    }
    case Destination::FontTable:
        if (c == u';')
            return finishFontEntry(at);
        entryName_.append(QChar(c));
        return true;
    case Destination::ColourTable:
        if (c == u';')
            return finishColourEntry();
        if (c == u' ')
            return true;
        return fail(
            at,
            QStringLiteral("the colour table holds text: only \\red, \\green, \\blue and ';' belong there"));
    case Destination::Skipped:
        return true;
    }
    return true;
}

bool Reader::finishFontEntry(qsizetype at)
{
    if (!entryFont_)
        return fail(at, QStringLiteral("a font table entry has no \\f number"));
    const QString name = entryName_.trimmed();
    if (name.isEmpty())
        return fail(at, QStringLiteral("font %1 in the font table has no name").arg(*entryFont_));
    if (!fonts_.emplace(*entryFont_, name).second)
        return fail(at, QStringLiteral("font %1 appears twice in the font table").arg(*entryFont_));
    entryFont_.reset();
    entryName_.clear();
    return true;
}

bool Reader::finishFontTable(qsizetype at)
{
    if (defaultFont_ && !fonts_.contains(*defaultFont_))
        return fail(at,
                    QStringLiteral("the default font \\deff%1 is not in the font table").arg(*defaultFont_));
    CharacterFormat &format = groups_.back().format;
    if (format.face.isEmpty())
        format.face = defaultFace();
    return true;
}

void Reader::endParagraph()
{
    document_.paragraphs.push_back(std::move(paragraph_));
    paragraph_ = {};
}

QString Reader::defaultFace() const
{
    const auto font = defaultFont_ ? fonts_.find(*defaultFont_) : fonts_.end();
    return font == fonts_.end() ? QString() : font->second;
}

} // namespace

Outcome<RichTextDocument> readRichText(QStringView rtf)
{
    return Reader(rtf).read();
}

} // namespace qv::richtextlib
