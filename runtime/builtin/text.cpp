// The text classes: the text box and the label.

#include "runtime/builtin/makers.h"

#include <QLabel>
#include <QLineEdit>

namespace qv::builtin
{

namespace
{
Qt::Alignment toQt(Alignment alignment)
{
    switch (alignment) {
    case Alignment::Right:
        return Qt::AlignRight | Qt::AlignTop;
    case Alignment::Center:
        return Qt::AlignHCenter | Qt::AlignTop;
    case Alignment::Left:
        break;
    }
    return Qt::AlignLeft | Qt::AlignTop;
}
} // namespace

Outcome<QObject *> makeTextBox(const ControlRecord &record, const MakeSite &site)
{
    auto *edit = new QLineEdit(storedText(record.text), &site.container);
    if (record.maxLength > 0)
        edit->setMaxLength(record.maxLength);
    edit->setCursorPosition(0);
    return edit;
}

Outcome<QObject *> makeLabel(const ControlRecord &record, const MakeSite &site)
{
    auto *label = new QLabel(storedText(record.text), &site.container);
    label->setAlignment(toQt(record.alignment));
    label->setWordWrap(true);
    label->setTextFormat(Qt::PlainText);
    return label;
}

} // namespace qv::builtin
