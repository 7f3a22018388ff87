// The list classes: the combo box and the list box, both without items.

#include "runtime/builtin/makers.h"

#include <QComboBox>
#include <QListWidget>

namespace qv::builtin
{

// Editable, showing the stored text; Enter does not add the text to the list, as in the classic control.
Outcome<QObject *> makeComboBox(const ControlRecord &record, const MakeSite &site)
{
    auto *combo = new QComboBox(&site.container);
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->setEditText(storedText(record.text));
    return combo;
}

Outcome<QObject *> makeListBox(const ControlRecord &, const MakeSite &site)
{
    return new QListWidget(&site.container);
}

} // namespace qv::builtin
