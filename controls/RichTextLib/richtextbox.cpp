#include "richtextbox.h"
#include "rich_text_reader.h"

#include "controls/interface/checked_block.h"

#include <QTextCursor>
#include <QTextEdit>

namespace qv::richtextlib
{

namespace
{

QTextCharFormat toCharFormat(const CharacterFormat &format)
{
    QTextCharFormat charFormat;
    if (!format.face.isEmpty())
        charFormat.setFontFamilies(QStringList { format.face });
    charFormat.setFontPointSize(format.halfPoints / 2.0);
    return charFormat;
}

void show(const RichTextDocument &document, QTextEdit &box)
{
    QTextCursor cursor(box.document());
    for (std::size_t i = 0; i < document.paragraphs.size(); ++i) {
        if (i > 0)
            cursor.insertBlock();
        for (const TextRun &run : document.paragraphs[i].runs)
            cursor.insertText(run.text, toCharFormat(run.format));
    }
    // Loading the document is not an edit the user could undo.
    box.document()->clearUndoRedoStacks();
}

} // namespace

ControlLibrary::Creation createRichTextBox(std::span<const std::byte> settings, QWidget &container)
{
    settings::CheckedBlock state(settings);
    const QString rtf = state.text(u"TextRTF", {});
    if (!state.ok())
        return { nullptr, state.error() };
    const Outcome<RichTextDocument> document = rtf.isEmpty() ? RichTextDocument {} : readRichText(rtf);
    if (!document)
        return { nullptr, QStringLiteral("TextRTF: %1").arg(document.failure().info.description) };

    auto *box = new QTextEdit(&container);
    show(document.value(), *box);
    return { box, {} };
}

} // namespace qv::richtextlib
