#include "richtextbox_members.h"
#include "rich_text_writer.h"
#include "text_edit_document.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTextBlock>
#include <QTextEdit>

namespace qv::richtextlib
{

namespace
{
constexpr QLatin1String paragraphEnd("\r\n");
constexpr int maxOleColor = 0xFFFFFF;

QString withParagraphEnds(QString text)
{
    return text.replace(QChar::ParagraphSeparator, paragraphEnd);
}

QString shownName(const QString &fileName)
{
    return QDir::toNativeSeparators(fileName);
}

// Why a file cannot be opened, with the system's reason: a file to read that is not there is a file not
// found; a folder that is not there, or one that refuses, a path not found.
Failure openFailure(const QFile &file, bool reading)
{
    const QFileInfo info(file.fileName());
    const Status status = reading && info.absoluteDir().exists() && !info.exists() ? status::fileNotFound
                                                                                   : status::pathNotFound;
    return failure(status,
                   QStringLiteral("cannot open %1: %2").arg(shownName(file.fileName()), file.errorString()));
}
} // namespace

RichTextBoxMembers::RichTextBoxMembers(QTextEdit &edit)
    : edit_(edit)
{
    connect(&edit, &QTextEdit::textChanged, this, &RichTextBoxMembers::Change);
    connect(&edit, &QTextEdit::cursorPositionChanged, this, &RichTextBoxMembers::noticeSelection);
    connect(&edit, &QTextEdit::selectionChanged, this, &RichTextBoxMembers::noticeSelection);
    anchor_ = edit.textCursor().anchor();
    position_ = edit.textCursor().position();
}

// Qt says a moved selection twice, by its position and by its extent: the program hears of it once.
void RichTextBoxMembers::noticeSelection()
{
    const QTextCursor cursor = edit_.textCursor();
    if (cursor.anchor() == anchor_ && cursor.position() == position_)
        return;
    anchor_ = cursor.anchor();
    position_ = cursor.position();
    emit SelChange();
}

QString RichTextBoxMembers::text() const
{
    QString text;
    for (QTextBlock block = edit_.document()->begin(); block.isValid(); block = block.next()) {
        if (block.position() > 0)
            text += paragraphEnd;
        text += block.text();
    }
    return text;
}

// Plain text in the box's own format: Qt would give it the format last typed in.
void RichTextBoxMembers::setText(const QString &text)
{
    edit_.setCurrentCharFormat(QTextCharFormat());
    edit_.setPlainText(text);
}

QString RichTextBoxMembers::textRTF() const
{
    return writeRichText(documentOf(edit_));
}

void RichTextBoxMembers::setTextRTF(const QString &rtf)
{
    const Outcome<RichTextDocument> document = readRichText(rtf);
    if (!document)
        return refuse(status::invalidPropertyValue, document.failure().info.description);
    showDocument(document.value(), edit_);
}

int RichTextBoxMembers::textPosition(int documentPosition) const
{
    return documentPosition + edit_.document()->findBlock(documentPosition).blockNumber();
}

std::optional<int> RichTextBoxMembers::documentPosition(int textPosition) const
{
    for (QTextBlock block = edit_.document()->begin(); block.isValid(); block = block.next()) {
        const int start = block.position() + block.blockNumber();
        const int end = start + block.length() - 1; // the length counts the paragraph's end
        if (textPosition >= start && textPosition <= end)
            return block.position() + (textPosition - start);
    }
    return std::nullopt;
}

int RichTextBoxMembers::selStart() const
{
    return textPosition(edit_.textCursor().selectionStart());
}

void RichTextBoxMembers::setSelStart(int start)
{
    const std::optional<int> at = documentPosition(start);
    if (!at)
        return refuse(
            status::invalidPropertyValue,
            QStringLiteral("a position is 0 to the text's length, %1, and not between the CR and LF "
                           "that end a paragraph")
                .arg(text().size()));
    QTextCursor cursor = edit_.textCursor();
    cursor.setPosition(*at);
    edit_.setTextCursor(cursor);
}

int RichTextBoxMembers::selLength() const
{
    const QTextCursor cursor = edit_.textCursor();
    return textPosition(cursor.selectionEnd()) - textPosition(cursor.selectionStart());
}

void RichTextBoxMembers::setSelLength(int length)
{
    QTextCursor cursor = edit_.textCursor();
    const int start = textPosition(cursor.selectionStart());
    const std::optional<int> end = length < 0 ? std::nullopt : documentPosition(start + length);
    if (!end)
        return refuse(
            status::invalidPropertyValue,
            QStringLiteral("a selection from %1 is 0 to %2 characters long, and does not end between "
                           "the CR and LF that end a paragraph")
                .arg(start)
                .arg(text().size() - start));
    cursor.setPosition(cursor.selectionStart());
    cursor.setPosition(*end, QTextCursor::KeepAnchor);
    edit_.setTextCursor(cursor);
}

QString RichTextBoxMembers::selText() const
{
    return withParagraphEnds(edit_.textCursor().selectedText());
}

void RichTextBoxMembers::setSelText(const QString &text)
{
    QTextCursor cursor = edit_.textCursor();
    cursor.insertText(text);
    edit_.setTextCursor(cursor);
}

QTextCharFormat RichTextBoxMembers::selectionFormat() const
{
    const QTextCursor cursor = edit_.textCursor();
    if (!cursor.hasSelection())
        return cursor.charFormat();
    // A cursor reads the format of the character before it.
    QTextCursor first(edit_.document());
    first.setPosition(cursor.selectionStart() + 1);
    return first.charFormat();
}

void RichTextBoxMembers::formatSelection(const QTextCharFormat &format)
{
    edit_.mergeCurrentCharFormat(format);
}

bool RichTextBoxMembers::selBold() const
{
    return formatOf(selectionFormat(), edit_.document()->defaultFont()).bold;
}

void RichTextBoxMembers::setSelBold(bool bold)
{
    QTextCharFormat format;
    format.setFontWeight(bold ? QFont::Bold : QFont::Normal);
    formatSelection(format);
}

bool RichTextBoxMembers::selItalic() const
{
    return formatOf(selectionFormat(), edit_.document()->defaultFont()).italic;
}

void RichTextBoxMembers::setSelItalic(bool italic)
{
    QTextCharFormat format;
    format.setFontItalic(italic);
    formatSelection(format);
}

int RichTextBoxMembers::selColor() const
{
    const std::optional<std::uint32_t> rgb
        = formatOf(selectionFormat(), edit_.document()->defaultFont()).colour;
    const QColor colour
        = rgb ? QColor::fromRgb(static_cast<QRgb>(*rgb)) : edit_.palette().color(QPalette::Text);
    return colour.red() | colour.green() << 8 | colour.blue() << 16;
}

void RichTextBoxMembers::setSelColor(int color)
{
    if (color < 0 || color > maxOleColor)
        return refuse(status::invalidPropertyValue,
                      QStringLiteral("a colour is &H00BBGGRR: blue, green and red, 0 to &HFFFFFF"));
    QTextCharFormat format;
    format.setForeground(QColor(color & 0xFF, color >> 8 & 0xFF, color >> 16 & 0xFF));
    formatSelection(format);
}

bool RichTextBoxMembers::locked() const
{
    return edit_.isReadOnly();
}

void RichTextBoxMembers::setLocked(bool locked)
{
    edit_.setReadOnly(locked);
}

bool RichTextBoxMembers::refusedFileType(int type)
{
    if (type == rtfRTF || type == rtfText)
        return false;
    refuse(status::invalidProcedureCall,
           QStringLiteral("FileType %1 is neither rtfRTF (0) nor rtfText (1)").arg(type));
    return true;
}

void RichTextBoxMembers::LoadFile(const QString &FileName, int FileType)
{
    if (refusedFileType(FileType))
        return;
    QFile file(FileName);
    if (!file.open(QIODevice::ReadOnly))
        return refuse(openFailure(file, true));
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return refuse(status::pathNotFound,
                      QStringLiteral("cannot read %1: %2").arg(shownName(FileName), file.errorString()));
    if (FileType == rtfText)
        return setText(QString::fromUtf8(bytes));
    // A rich-text document is 7-bit text; a byte above that is the reader's to refuse.
    const Outcome<RichTextDocument> document = readRichText(QString::fromLatin1(bytes));
    if (!document)
        return refuse(status::badFileFormat,
                      QStringLiteral("%1 is no rich-text document this box reads: %2")
                          .arg(shownName(FileName), document.failure().info.description));
    showDocument(document.value(), edit_);
}

void RichTextBoxMembers::SaveFile(const QString &FileName, int FileType)
{
    if (refusedFileType(FileType))
        return;
    QFile file(FileName);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return refuse(openFailure(file, false));
    const QByteArray bytes = FileType == rtfText ? text().toUtf8() : textRTF().toLatin1();
    if (file.write(bytes) != bytes.size() || !file.flush())
        return refuse(status::pathNotFound,
                      QStringLiteral("cannot write %1: %2").arg(shownName(FileName), file.errorString()));
}

} // namespace qv::richtextlib
