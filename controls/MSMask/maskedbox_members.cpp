#include "maskedbox_members.h"
#include "maskedbox.h"

#include <QKeyEvent>
#include <QLineEdit>

namespace qv::msmask
{

MaskEdBoxMembers::MaskEdBoxMembers(QLineEdit &edit)
    : edit_(edit)
{
    connect(&edit, &QLineEdit::textChanged, this, &MaskEdBoxMembers::textChanged);
    edit.installEventFilter(this);
}

void MaskEdBoxMembers::textChanged()
{
    if (!trying_)
        emit Change();
}

std::vector<MaskSlot> MaskEdBoxMembers::positions() const
{
    const Outcome<ParsedMask> parsed = parseMask(mask());
    return parsed ? parsed.value().positions : std::vector<MaskSlot> {};
}

QChar MaskEdBoxMembers::prompt() const
{
    return promptChar().front();
}

QString MaskEdBoxMembers::mask() const
{
    return edit_.property(maskProperty).toString();
}

void MaskEdBoxMembers::setMask(const QString &mask)
{
    if (mask.size() > maxMaskedLength)
        return refuse(status::invalidPropertyValue,
                      QStringLiteral("a mask has at most %1 characters").arg(maxMaskedLength));
    const Outcome<ParsedMask> parsed = parseMask(mask);
    if (!parsed)
        return refuse(status::invalidPropertyValue, parsed.failure().info.description);
    edit_.setProperty(maskProperty, mask);
    if (mask.isEmpty()) {
        edit_.setInputMask(QString());
        edit_.setMaxLength(edit_.property(maxLengthProperty).toInt());
        return;
    }
    edit_.setInputMask(parsed.value().inputMask + u';' + prompt());
}

QString MaskEdBoxMembers::text() const
{
    return mask().isEmpty() ? edit_.text() : edit_.displayText();
}

void MaskEdBoxMembers::setText(const QString &text)
{
    if (mask().isEmpty()) {
        if (text.size() > maxLength())
            return refuse(status::invalidPropertyValue,
                          QStringLiteral("the text is at most MaxLength, %1 characters").arg(maxLength()));
        return edit_.setText(text);
    }
    // The edit fits what it can of a text into its mask: a text it does not show as written does not fit.
    const QString before = edit_.displayText();
    trying_ = true;
    edit_.setText(text);
    const bool fitted = edit_.displayText() == text;
    if (!fitted)
        edit_.setText(before);
    trying_ = false;
    if (!fitted)
        return refuse(
            status::invalidPropertyValue,
            QStringLiteral("the text does not fit the mask %1: its literals where the mask has them, "
                           "and input of the kind each placeholder takes or the prompt %2")
                .arg(mask(), promptChar()));
    if (edit_.displayText() != before)
        emit Change();
}

QString MaskEdBoxMembers::clipText() const
{
    if (mask().isEmpty())
        return edit_.text();
    const QString shown = edit_.displayText();
    const std::vector<MaskSlot> all = positions();
    QString typed;
    for (std::size_t i = 0; i < all.size() && i < static_cast<std::size_t>(shown.size()); ++i) {
        const QChar c = shown[static_cast<qsizetype>(i)];
        if (all[i].kind != MaskSlot::Kind::Literal && c != prompt())
            typed += c;
    }
    return typed;
}

QString MaskEdBoxMembers::promptChar() const
{
    return edit_.property(promptProperty).toString();
}

void MaskEdBoxMembers::setPromptChar(const QString &prompt)
{
    if (prompt.size() != 1)
        return refuse(status::invalidPropertyValue, QStringLiteral("the prompt is one character"));
    edit_.setProperty(promptProperty, prompt);
    if (const Outcome<ParsedMask> parsed = parseMask(mask()); parsed && !mask().isEmpty())
        edit_.setInputMask(parsed.value().inputMask + u';' + prompt);
}

int MaskEdBoxMembers::maxLength() const
{
    return mask().isEmpty() ? edit_.property(maxLengthProperty).toInt()
                            : static_cast<int>(positions().size());
}

void MaskEdBoxMembers::setMaxLength(int length)
{
    if (length == maxLength())
        return;
    if (!mask().isEmpty())
        return refuse(
            status::invalidPropertyValue,
            QStringLiteral("the mask sets the length, %1; set Mask to \"\" first").arg(maxLength()));
    if (length < 1 || length > maxMaskedLength)
        return refuse(status::invalidPropertyValue,
                      QStringLiteral("the length is 1 to %1 characters").arg(maxMaskedLength));
    edit_.setProperty(maxLengthProperty, length);
    edit_.setMaxLength(length);
}

int MaskEdBoxMembers::selStart() const
{
    return edit_.hasSelectedText() ? edit_.selectionStart() : edit_.cursorPosition();
}

void MaskEdBoxMembers::setSelStart(int start)
{
    const int length = static_cast<int>(text().size());
    if (start < 0 || start > length)
        return refuse(status::invalidPropertyValue,
                      QStringLiteral("a position is 0 to the text's length, %1").arg(length));
    edit_.setCursorPosition(start);
}

int MaskEdBoxMembers::selLength() const
{
    return static_cast<int>(edit_.selectedText().size());
}

void MaskEdBoxMembers::setSelLength(int length)
{
    const int start = selStart();
    const int room = static_cast<int>(text().size()) - start;
    if (length < 0 || length > room)
        return refuse(status::invalidPropertyValue,
                      QStringLiteral("a selection from %1 is 0 to %2 characters long").arg(start).arg(room));
    edit_.setSelection(start, length);
}

QString MaskEdBoxMembers::selText() const
{
    return edit_.selectedText();
}

void MaskEdBoxMembers::setSelText(const QString &text)
{
    edit_.insert(text);
}

// As the edit places a typed character: a literal typed where the mask has it (or just passed it) is taken;
// otherwise it goes to the next placeholder, which must take it. The edit itself would look further on
// for a place, where the masked edit box refuses.
bool MaskEdBoxMembers::typedCharacterFits(QChar c, int &at) const
{
    const std::vector<MaskSlot> all = positions();
    const auto literal
        = [&](int i) { return all[static_cast<std::size_t>(i)].kind == MaskSlot::Kind::Literal; };
    const int count = static_cast<int>(all.size());
    at = edit_.hasSelectedText() ? edit_.selectionStart() : edit_.cursorPosition();
    if (at > 0 && at <= count && literal(at - 1) && all[static_cast<std::size_t>(at - 1)].literal == c)
        return true;
    for (; at < count && literal(at); ++at) {
        if (all[static_cast<std::size_t>(at)].literal == c)
            return true;
    }
    return at < count && fits(all[static_cast<std::size_t>(at)], c, prompt());
}

bool MaskEdBoxMembers::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != &edit_ || event->type() != QEvent::KeyPress || mask().isEmpty() || edit_.isReadOnly())
        return false;
    const auto *key = static_cast<QKeyEvent *>(event);
    const QString typed = key->text();
    if (typed.size() != 1 || !typed.front().isPrint()
        || (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)))
        return false;
    int at = 0;
    if (typedCharacterFits(typed.front(), at))
        return false;
    QString invalidText = edit_.displayText();
    if (at < invalidText.size())
        invalidText[at] = typed.front();
    else
        invalidText += typed.front();
    auto startPosition = static_cast<short>(at);
    emit ValidationError(invalidText, startPosition);
    return true;
}

} // namespace qv::msmask
