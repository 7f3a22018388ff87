// The button classes: the command button, the check box and the option button.

#include "builtin_makers.h"
#include "form.h"
#include "runtime.h"

#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>

namespace qv
{

QWidget *makeCommandButton(Form &form, const ControlRecord &record, QWidget &container)
{
    auto *button = new QPushButton(storedText(record.text), &container);
    button->setDefault(record.isDefault);
    button->setAutoDefault(true);
    QObject::connect(button, &QPushButton::clicked, button,
                     [&form, name = record.name] { form.runtime().dispatchEvent(form, name, Event::Click); });
    return button;
}

QWidget *makeCheckBox(const ControlRecord &record, QWidget &container)
{
    return new QCheckBox(storedText(record.text), &container);
}

// Option buttons in the same container exclude each other, as Qt's do among siblings.
QWidget *makeOptionButton(const ControlRecord &record, QWidget &container)
{
    return new QRadioButton(storedText(record.text), &container);
}

} // namespace qv
