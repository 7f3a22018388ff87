// The text classes: the text box and the label.

#include "runtime/builtin/makers.h"

#include <QLabel>
#include <QLineEdit>

namespace qv::builtin
{

Outcome<QObject *> makeTextBox(const ControlRecord &record, const MakeSite &site)
{
    auto *edit = new QLineEdit(storedText(record.text), &site.container);
    edit->setCursorPosition(0);
    return edit;
}

Outcome<QObject *> makeLabel(const ControlRecord &record, const MakeSite &site)
{
    auto *label = new QLabel(storedText(record.text), &site.container);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setWordWrap(true);
    label->setTextFormat(Qt::PlainText);
    return label;
}

} // namespace qv::builtin
