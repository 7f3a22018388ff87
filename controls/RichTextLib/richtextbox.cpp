#include "richtextbox.h"
#include "rich_text_reader.h"
#include "text_edit_document.h"

#include "controls/interface/checked_block.h"

#include <QTextEdit>

namespace qv::richtextlib
{

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
    showDocument(document.value(), *box);
    return { box, {} };
}

} // namespace qv::richtextlib
