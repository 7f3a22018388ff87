#pragma once
// The members of the command button, the check box, the option button and the frame.

#include "runtime/core/control_members.h"

class QAbstractButton;
class QCheckBox;
class QGroupBox;
class QPushButton;
class QRadioButton;

namespace qv::builtin
{

class CommandButtonMembers final : public WindowedMembers
{
    Q_OBJECT
    Q_PROPERTY(QString Caption READ caption WRITE setCaption STORED true)
    Q_PROPERTY(bool Default READ isDefault WRITE setDefault STORED true)
public:
    CommandButtonMembers(QPushButton &button, const ControlRecord &record);
    QString caption() const;
    void setCaption(const QString &caption);
    bool isDefault() const;
    void setDefault(bool isDefault);

signals:
    void Click();

private:
    QPushButton &button() const;
};

class CheckBoxMembers final : public WindowedMembers
{
    Q_OBJECT
    Q_PROPERTY(QString Caption READ caption WRITE setCaption STORED true)
    Q_PROPERTY(CheckValue Value READ value WRITE setValue)
public:
    enum CheckValue { vbUnchecked = 0, vbChecked = 1, vbGrayed = 2 };
    Q_ENUM(CheckValue)

    CheckBoxMembers(QCheckBox &box, const ControlRecord &record);
    QString caption() const;
    void setCaption(const QString &caption);
    CheckValue value() const;
    void setValue(CheckValue value);

signals:
    void Click();

private:
    QCheckBox &box() const;
};

class OptionButtonMembers final : public WindowedMembers
{
    Q_OBJECT
    Q_PROPERTY(QString Caption READ caption WRITE setCaption STORED true)
    Q_PROPERTY(bool Value READ value WRITE setValue)
public:
    OptionButtonMembers(QRadioButton &button, const ControlRecord &record);
    QString caption() const;
    void setCaption(const QString &caption);
    bool value() const;
    void setValue(bool value);

signals:
    void Click();

private:
    QRadioButton &button() const;
};

class FrameMembers final : public WindowedMembers
{
    Q_OBJECT
    Q_PROPERTY(QString Caption READ caption WRITE setCaption STORED true)
public:
    FrameMembers(QGroupBox &frame, const ControlRecord &record);
    QString caption() const;
    void setCaption(const QString &caption);

private:
    QGroupBox &frame() const;
};

} // namespace qv::builtin
