#include "text_edit_document.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>
#include <algorithm>
#include <cmath>

namespace qv::richtextlib
{

QTextCharFormat toCharFormat(const CharacterFormat &format)
{
    QTextCharFormat charFormat;
    if (!format.face.isEmpty())
        charFormat.setFontFamilies(QStringList { format.face });
    charFormat.setFontPointSize(format.halfPoints / 2.0);
    charFormat.setFontWeight(format.bold ? QFont::Bold : QFont::Normal);
    charFormat.setFontItalic(format.italic);
    if (format.colour)
        charFormat.setForeground(QColor::fromRgb(static_cast<QRgb>(*format.colour)));
    return charFormat;
}

CharacterFormat formatOf(const QTextCharFormat &charFormat, const QFont &editFont)
{
    CharacterFormat format;
    const QStringList families = charFormat.fontFamilies().toStringList();
    format.face = families.isEmpty() ? editFont.family() : families.first();
    const double points = charFormat.hasProperty(QTextFormat::FontPointSize) ? charFormat.fontPointSize()
                                                                             : editFont.pointSizeF();
    format.halfPoints = points > 0
        ? std::clamp(static_cast<int>(std::lround(points * 2)), minHalfPoints, maxHalfPoints)
        : CharacterFormat {}.halfPoints;
    format.bold = charFormat.hasProperty(QTextFormat::FontWeight) ? charFormat.fontWeight() > QFont::Medium
                                                                  : editFont.bold();
    format.italic
        = charFormat.hasProperty(QTextFormat::FontItalic) ? charFormat.fontItalic() : editFont.italic();
    if (charFormat.foreground().style() != Qt::NoBrush)
        format.colour = charFormat.foreground().color().rgb() & 0xFFFFFF;
    return format;
}

void showDocument(const RichTextDocument &document, QTextEdit &edit)
{
    edit.clear();
    QTextCursor cursor(edit.document());
    for (std::size_t i = 0; i < document.paragraphs.size(); ++i) {
        if (i > 0)
            cursor.insertBlock();
        for (const TextRun &run : document.paragraphs[i].runs)
            cursor.insertText(run.text, toCharFormat(run.format));
    }
    edit.document()->clearUndoRedoStacks();
}

RichTextDocument documentOf(const QTextEdit &edit)
{
    RichTextDocument document;
    const QFont editFont = edit.document()->defaultFont();
    for (QTextBlock block = edit.document()->begin(); block.isValid(); block = block.next()) {
        Paragraph &paragraph = document.paragraphs.emplace_back();
        for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment) {
            const CharacterFormat format = formatOf(fragment.fragment().charFormat(), editFont);
            if (!paragraph.runs.empty() && paragraph.runs.back().format == format)
                paragraph.runs.back().text += fragment.fragment().text();
            else
                paragraph.runs.push_back(TextRun { fragment.fragment().text(), format });
        }
    }
    return document;
}

} // namespace qv::richtextlib
