#pragma once
// The masked edit box's own members: its mask, its text with and without what the mask adds, its prompt and
// selection; its changes, and input that does not fit the mask.

#include "input_mask.h"

#include <quorvane/member_object.h>

class QLineEdit;

namespace qv::msmask
{

class MaskEdBoxMembers final : public MemberObject
{
    Q_OBJECT
    // # digit, 9 optional digit, ? letter, A letter or digit, a optional letter or digit, & character,
    // C optional character, > and < upper and lower case; \ makes the next a literal, as is anything else.
    Q_PROPERTY(QString Mask READ mask WRITE setMask STORED true)
    // With a mask: the literals, what was typed, and the prompt where input is still due.
    Q_PROPERTY(QString Text READ text WRITE setText STORED false)
    // What was typed alone.
    Q_PROPERTY(QString ClipText READ clipText STORED false)
    // Stored in the control's block, but read there by the control's maker, as is MaxLength.
    Q_PROPERTY(QString PromptChar READ promptChar WRITE setPromptChar STORED false)
    // The longest text without a mask; with one, the mask's length.
    Q_PROPERTY(int MaxLength READ maxLength WRITE setMaxLength STORED false)
    Q_PROPERTY(int SelStart READ selStart WRITE setSelStart STORED false)
    Q_PROPERTY(int SelLength READ selLength WRITE setSelLength STORED false)
    Q_PROPERTY(QString SelText READ selText WRITE setSelText STORED false)
public:
    explicit MaskEdBoxMembers(QLineEdit &edit);

    QString mask() const;
    void setMask(const QString &mask);
    QString text() const;
    void setText(const QString &text);
    QString clipText() const;
    QString promptChar() const;
    void setPromptChar(const QString &prompt);
    int maxLength() const;
    void setMaxLength(int length);
    int selStart() const;
    void setSelStart(int start);
    int selLength() const;
    void setSelLength(int length);
    QString selText() const;
    void setSelText(const QString &text);

signals:
    void Change();
    // A character typed where the mask does not take it, which the box then refuses: the text as it would
    // have been, and the position of the character.
    void ValidationError(QString &InvalidText, short &StartPosition);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    std::vector<MaskSlot> positions() const;
    QChar prompt() const;
    // Whether typing c into the box now fits its mask; where it would go, when it does not.
    bool typedCharacterFits(QChar c, int &at) const;
    void textChanged();

    QLineEdit &edit_;
    bool trying_ = false; // a text written on trial, not yet a change
};

} // namespace qv::msmask
