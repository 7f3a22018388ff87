#include "runtime/builtin/button_members.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>

namespace qv::builtin
{

CommandButtonMembers::CommandButtonMembers(QPushButton &button, const ControlRecord &record)
    : WindowedMembers(button, record)
{
    connect(&button, &QPushButton::clicked, this, &CommandButtonMembers::Click);
}

QPushButton &CommandButtonMembers::button() const
{
    return static_cast<QPushButton &>(*widget());
}

QString CommandButtonMembers::caption() const
{
    return button().text();
}

void CommandButtonMembers::setCaption(const QString &caption)
{
    button().setText(caption);
}

bool CommandButtonMembers::isDefault() const
{
    return button().isDefault();
}

void CommandButtonMembers::setDefault(bool isDefault)
{
    button().setDefault(isDefault);
}

CheckBoxMembers::CheckBoxMembers(QCheckBox &box, const ControlRecord &record)
    : WindowedMembers(box, record)
{
    // Its Click comes whenever its value changes, by the user or by the program.
    connect(&box, &QCheckBox::stateChanged, this, &CheckBoxMembers::Click);
}

QCheckBox &CheckBoxMembers::box() const
{
    return static_cast<QCheckBox &>(*widget());
}

QString CheckBoxMembers::caption() const
{
    return box().text();
}

void CheckBoxMembers::setCaption(const QString &caption)
{
    box().setText(caption);
}

CheckBoxMembers::CheckValue CheckBoxMembers::value() const
{
    switch (box().checkState()) {
    case Qt::Checked:
        return vbChecked;
    case Qt::PartiallyChecked:
        return vbGrayed;
    default:
        return vbUnchecked;
    }
}

void CheckBoxMembers::setValue(CheckValue value)
{
    if (value == vbGrayed)
        box().setTristate(true);
    box().setCheckState(value == vbChecked      ? Qt::Checked
                            : value == vbGrayed ? Qt::PartiallyChecked
                                                : Qt::Unchecked);
}

OptionButtonMembers::OptionButtonMembers(QRadioButton &button, const ControlRecord &record)
    : WindowedMembers(button, record)
{
    connect(&button, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            emit Click();
    });
}

QRadioButton &OptionButtonMembers::button() const
{
    return static_cast<QRadioButton &>(*widget());
}

QString OptionButtonMembers::caption() const
{
    return button().text();
}

void OptionButtonMembers::setCaption(const QString &caption)
{
    button().setText(caption);
}

bool OptionButtonMembers::value() const
{
    return button().isChecked();
}

void OptionButtonMembers::setValue(bool value)
{
    // An option button is cleared by choosing another of its group; clearing the chosen one clears the group.
    if (!value && button().isChecked()) {
        button().setAutoExclusive(false);
        button().setChecked(false);
        button().setAutoExclusive(true);
        return;
    }
    button().setChecked(value);
}

FrameMembers::FrameMembers(QGroupBox &frame, const ControlRecord &record)
    : WindowedMembers(frame, record)
{
}

QGroupBox &FrameMembers::frame() const
{
    return static_cast<QGroupBox &>(*widget());
}

QString FrameMembers::caption() const
{
    return frame().title();
}

void FrameMembers::setCaption(const QString &caption)
{
    frame().setTitle(caption);
}

} // namespace qv::builtin
