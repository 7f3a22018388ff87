#include "datacombo_members.h"
#include "datacombo.h"

#include <QComboBox>

namespace qv::msdatalist
{

DataComboMembers::DataComboMembers(QComboBox &combo)
    : combo_(combo)
{
    connect(&combo, &QComboBox::currentTextChanged, this, &DataComboMembers::Change);
    connect(&combo, &QComboBox::currentIndexChanged, this, [this](int row) {
        if (row >= 0)
            emit Click();
    });
}

QString DataComboMembers::text() const
{
    return combo_.currentText();
}

void DataComboMembers::setText(const QString &text)
{
    const int row = rowShowing(text);
    if (combo_.isEditable()) {
        combo_.setCurrentIndex(row);
        if (row < 0)
            combo_.setEditText(text);
        return;
    }
    if (row < 0 && !text.isEmpty())
        return refuse(
            status::invalidPropertyValue,
            QStringLiteral("a drop-down list shows only its rows' texts, and no row shows \"%1\"").arg(text));
    combo_.setCurrentIndex(row);
}

DataComboMembers::StyleConstants DataComboMembers::style() const
{
    return static_cast<StyleConstants>(combo_.property(comboStyleProperty).toInt());
}

int DataComboMembers::rowCount() const
{
    return combo_.count();
}

QString DataComboMembers::rowText(int row) const
{
    return combo_.itemText(row);
}

QString DataComboMembers::rowBound(int row) const
{
    return combo_.itemData(row).toString();
}

int DataComboMembers::chosenRow() const
{
    return combo_.currentIndex();
}

void DataComboMembers::choose(int row)
{
    combo_.setCurrentIndex(row);
}

void DataComboMembers::appendRow(const QString &text, const QString &bound)
{
    // A combo box chooses the first row added to it; the data combo chooses none until told.
    const QString shown = combo_.currentText();
    const int chosen = combo_.currentIndex();
    const QSignalBlocker quiet(combo_);
    combo_.addItem(text, bound);
    combo_.setCurrentIndex(chosen);
    if (combo_.isEditable())
        combo_.setEditText(shown);
}

void DataComboMembers::removeRows()
{
    const QString shown = combo_.currentText();
    combo_.clear();
    if (combo_.isEditable())
        combo_.setEditText(shown);
}

} // namespace qv::msdatalist
