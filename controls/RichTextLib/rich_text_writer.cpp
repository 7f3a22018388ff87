#include "rich_text_writer.h"
#include "code_page_1252.h"

#include <algorithm>
#include <array>

namespace qv::richtextlib
{

namespace
{

// The byte of c in code page 1252, or -1 when it has none (or is a control character, which \'hh refuses).
int cp1252Byte(char16_t c)
{
    if ((c >= 0x20 && c < 0x80) || (c >= 0xA0 && c <= 0xFF))
        return c;
    const auto found = std::find(cp1252Upper.begin(), cp1252Upper.end(), c);
    return c != 0 && found != cp1252Upper.end() ? 0x80 + static_cast<int>(found - cp1252Upper.begin()) : -1;
}

void appendEscaped(QString &rtf, QStringView text)
{
    for (const QChar qc : text) {
        const char16_t c = qc.unicode();
        if (c == u'\\' || c == u'{' || c == u'}') {
            rtf += u'\\';
            rtf += qc;
        } else if (c == u'\t') {
            rtf += u"\\tab ";
        } else if (c == u'\u2028') {
            rtf += u"\\line ";
        } else if (c >= 0x20 && c < 0x7F) {
            rtf += qc;
        } else if (const int byte = cp1252Byte(c); byte >= 0) {
            rtf += QStringLiteral("\\'%1").arg(byte, 2, 16, QLatin1Char('0'));
        } else {
            // A signed 16-bit number, and '?' for readers that do not know \u.
            rtf += QStringLiteral("\\u%1?").arg(c > 32767 ? int(c) - 65536 : int(c));
        }
    }
}

template<class T> int indexOf(const std::vector<T> &table, const T &value)
{
    return static_cast<int>(std::find(table.begin(), table.end(), value) - table.begin());
}

template<class T> void addOnce(std::vector<T> &table, const T &value)
{
    if (std::find(table.begin(), table.end(), value) == table.end())
        table.push_back(value);
}

} // namespace

QString writeRichText(const RichTextDocument &document)
{
    std::vector<QString> faces;
    std::vector<std::uint32_t> colours;
    for (const Paragraph &paragraph : document.paragraphs) {
        for (const TextRun &run : paragraph.runs) {
            if (!run.format.face.isEmpty())
                addOnce(faces, run.format.face);
            if (run.format.colour)
                addOnce(colours, *run.format.colour);
        }
    }

    QString rtf = QStringLiteral("{\\rtf1\\ansi\\ansicpg1252");
    if (!faces.empty()) {
        rtf += QStringLiteral("\\deff0{\\fonttbl");
        for (std::size_t f = 0; f < faces.size(); ++f) {
            rtf += QStringLiteral("{\\f%1\\fnil ").arg(f);
            appendEscaped(rtf, faces[f]);
            rtf += u";}";
        }
        rtf += u'}';
    }
    // Colour 0 is the text box's own; the document's colours follow it.
    rtf += QStringLiteral("\r\n{\\colortbl ;");
    for (const std::uint32_t colour : colours)
        rtf += QStringLiteral("\\red%1\\green%2\\blue%3;")
                   .arg(colour >> 16 & 0xFF)
                   .arg(colour >> 8 & 0xFF)
                   .arg(colour & 0xFF);
    rtf += QStringLiteral("}\r\n\\uc1\\pard");

    for (const Paragraph &paragraph : document.paragraphs) {
        for (const TextRun &run : paragraph.runs) {
            const CharacterFormat &format = run.format;
            rtf += QStringLiteral("\\plain");
            if (!format.face.isEmpty())
                rtf += QStringLiteral("\\f%1").arg(indexOf(faces, format.face));
            rtf += QStringLiteral("\\fs%1").arg(format.halfPoints);
            if (format.bold)
                rtf += QStringLiteral("\\b");
            if (format.italic)
                rtf += QStringLiteral("\\i");
            if (format.colour)
                rtf += QStringLiteral("\\cf%1").arg(indexOf(colours, *format.colour) + 1);
            rtf += u' ';
            appendEscaped(rtf, run.text);
        }
        rtf += QStringLiteral("\\par\r\n");
    }
    return rtf + u'}';
}

} // namespace qv::richtextlib
