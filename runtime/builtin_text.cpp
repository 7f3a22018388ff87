// The text classes: the text box and the label.

#include "builtin_makers.h"

#include <QLabel>
#include <QLineEdit>

namespace qv
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

QWidget *makeTextBox(const ControlRecord &record, QWidget &container)
{
    auto *edit = new QLineEdit(storedText(record.text), &container);
    if (record.maxLength > 0)
        edit->setMaxLength(record.maxLength);
    edit->setCursorPosition(0);
    return edit;
}

QWidget *makeLabel(const ControlRecord &record, QWidget &container)
{
    auto *label = new QLabel(storedText(record.text), &container);
    label->setAlignment(toQt(record.alignment));
    label->setWordWrap(true);
    label->setTextFormat(Qt::PlainText);
    return label;
}

} // namespace qv
