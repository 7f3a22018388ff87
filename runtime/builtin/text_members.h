#pragma once
// The members of the label and the text box.

#include "runtime/core/control_members.h"

class QLabel;
class QLineEdit;

namespace qv::builtin
{

class LabelMembers final : public WindowedMembers
{
    Q_OBJECT
    Q_PROPERTY(QString Caption READ caption WRITE setCaption STORED true)
    Q_PROPERTY(Alignment Alignment READ alignment WRITE setAlignment STORED true)
public:
    enum Alignment { vbLeftJustify = 0, vbRightJustify = 1, vbCenter = 2 };
    Q_ENUM(Alignment)

    LabelMembers(QLabel &label, const ControlRecord &record);
    QString caption() const;
    void setCaption(const QString &caption);
    Alignment alignment() const;
    void setAlignment(Alignment alignment);

private:
    QLabel &label() const;
};

class TextBoxMembers final : public WindowedMembers
{
    Q_OBJECT
    Q_PROPERTY(QString Text READ text WRITE setText STORED true)
    Q_PROPERTY(int SelStart READ selStart WRITE setSelStart STORED false)
    Q_PROPERTY(int SelLength READ selLength WRITE setSelLength STORED false)
    Q_PROPERTY(QString SelText READ selText WRITE setSelText STORED false)
    Q_PROPERTY(int MaxLength READ maxLength WRITE setMaxLength STORED true)
    Q_PROPERTY(bool Locked READ locked WRITE setLocked)
public:
    TextBoxMembers(QLineEdit &edit, const ControlRecord &record);
    QString text() const;
    void setText(const QString &text);
    int selStart() const;
    void setSelStart(int start);
    int selLength() const;
    void setSelLength(int length);
    QString selText() const;
    void setSelText(const QString &text);
    int maxLength() const;
    void setMaxLength(int length);
    bool locked() const;
    void setLocked(bool locked);

signals:
    void Change();

private:
    QLineEdit &edit() const;
};

} // namespace qv::builtin
