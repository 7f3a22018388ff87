// The button classes: the command button, the check box and the option button.

#include "runtime/builtin/makers.h"

#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>

namespace qv::builtin
{

Outcome<QObject *> makeCommandButton(const ControlRecord &record, const MakeSite &site)
{
    auto *button = new QPushButton(storedText(record.text), &site.container);
    button->setAutoDefault(true);
    QObject::connect(button, &QPushButton::clicked, button,
                     [&events = site.events, name = record.name] { events.raise(name, Event::Click); });
    return button;
}

Outcome<QObject *> makeCheckBox(const ControlRecord &record, const MakeSite &site)
{
    return new QCheckBox(storedText(record.text), &site.container);
}

// Option buttons in the same container exclude each other, as Qt's do among siblings.
Outcome<QObject *> makeOptionButton(const ControlRecord &record, const MakeSite &site)
{
    return new QRadioButton(storedText(record.text), &site.container);
}

} // namespace qv::builtin
