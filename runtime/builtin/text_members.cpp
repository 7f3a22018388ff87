#include "runtime/builtin/text_members.h"

#include <QLabel>
#include <QLineEdit>

namespace qv::builtin
{

namespace
{
// A line edit's own limit, which stands for none.
constexpr int unlimited = 32767;
} // namespace

LabelMembers::LabelMembers(QLabel &label, const ControlRecord &record)
    : WindowedMembers(label, record)
{
}

QLabel &LabelMembers::label() const
{
    return static_cast<QLabel &>(*widget());
}

QString LabelMembers::caption() const
{
    return label().text();
}

void LabelMembers::setCaption(const QString &caption)
{
    label().setText(caption);
}

LabelMembers::Alignment LabelMembers::alignment() const
{
    const Qt::Alignment a = label().alignment();
    return (a & Qt::AlignHCenter) ? vbCenter : (a & Qt::AlignRight) ? vbRightJustify : vbLeftJustify;
}

void LabelMembers::setAlignment(Alignment alignment)
{
    const Qt::Alignment horizontal = alignment == vbCenter ? Qt::AlignHCenter
        : alignment == vbRightJustify                      ? Qt::AlignRight
                                                           : Qt::AlignLeft;
    label().setAlignment(horizontal | (label().alignment() & Qt::AlignVertical_Mask));
}

TextBoxMembers::TextBoxMembers(QLineEdit &edit, const ControlRecord &record)
    : WindowedMembers(edit, record)
{
    connect(&edit, &QLineEdit::textChanged, this, &TextBoxMembers::Change);
}

QLineEdit &TextBoxMembers::edit() const
{
    return static_cast<QLineEdit &>(*widget());
}

QString TextBoxMembers::text() const
{
    return edit().text();
}

void TextBoxMembers::setText(const QString &text)
{
    edit().setText(text);
}

int TextBoxMembers::selStart() const
{
    return edit().hasSelectedText() ? edit().selectionStart() : edit().cursorPosition();
}

void TextBoxMembers::setSelStart(int start)
{
    if (start < 0 || start > edit().text().size())
        return refuse(status::invalidPropertyValue,
                      QStringLiteral("a position is 0 to the text's length, %1").arg(edit().text().size()));
    edit().setCursorPosition(start);
}

int TextBoxMembers::selLength() const
{
    return static_cast<int>(edit().selectedText().size());
}

void TextBoxMembers::setSelLength(int length)
{
    const int start = selStart();
    const int room = static_cast<int>(edit().text().size()) - start;
    if (length < 0 || length > room)
        return refuse(status::invalidPropertyValue,
                      QStringLiteral("a selection from %1 is 0 to %2 characters long").arg(start).arg(room));
    edit().setSelection(start, length);
}

QString TextBoxMembers::selText() const
{
    return edit().selectedText();
}

void TextBoxMembers::setSelText(const QString &text)
{
    edit().insert(text);
}

int TextBoxMembers::maxLength() const
{
    return edit().maxLength() == unlimited ? 0 : edit().maxLength();
}

void TextBoxMembers::setMaxLength(int length)
{
    if (length < 0)
        return refuse(status::invalidPropertyValue, QStringLiteral("a length limit cannot be negative"));
    edit().setMaxLength(length == 0 ? unlimited : length);
}

bool TextBoxMembers::locked() const
{
    return edit().isReadOnly();
}

void TextBoxMembers::setLocked(bool locked)
{
    edit().setReadOnly(locked);
}

} // namespace qv::builtin
