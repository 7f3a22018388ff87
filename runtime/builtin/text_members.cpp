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
    if (start < 0)
        return refuse(status::invalidPropertyValue, QStringLiteral("a position cannot be negative"));
    // Past the end: at the end, as the forms runtime places it.
    edit().setCursorPosition(std::min(start, static_cast<int>(edit().text().size())));
}

int TextBoxMembers::selLength() const
{
    return static_cast<int>(edit().selectedText().size());
}

void TextBoxMembers::setSelLength(int length)
{
    if (length < 0)
        return refuse(status::invalidPropertyValue, QStringLiteral("a length cannot be negative"));
    const int start = selStart();
    edit().setSelection(start, std::min(length, static_cast<int>(edit().text().size()) - start));
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
