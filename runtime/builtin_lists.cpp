// The list classes: the combo box and the list box, both without items.

#include "builtin_makers.h"

#include <QComboBox>
#include <QListWidget>

namespace qv
{

// Editable, showing the stored text; Enter does not add the text to the list, as in the classic control.
QWidget *makeComboBox(const ControlRecord &record, QWidget &container)
{
    auto *combo = new QComboBox(&container);
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->setEditText(storedText(record.text));
    return combo;
}

QWidget *makeListBox(QWidget &container)
{
    return new QListWidget(&container);
}

} // namespace qv
