#pragma once
// The data combo's own members: its text, its style, and the rows it shares with the data list.

#include "data_rows_members.h"

class QComboBox;

namespace qv::msdatalist
{

class DataComboMembers final : public DataRowsMembers
{
    Q_OBJECT
    // What the edit box shows; written, a row that shows it is chosen. A drop-down list shows only a row's
    // text.
    Q_PROPERTY(QString Text READ text WRITE setText STORED true)
    Q_PROPERTY(StyleConstants Style READ style STORED true)
public:
    enum StyleConstants { dbcDropdownCombo = 0, dbcSimpleCombo = 1, dbcDropdownList = 2 };
    Q_ENUM(StyleConstants)

    explicit DataComboMembers(QComboBox &combo);

    QString text() const;
    void setText(const QString &text);
    StyleConstants style() const;

protected:
    QString shownText() const override { return text(); }
    int rowCount() const override;
    QString rowText(int row) const override;
    QString rowBound(int row) const override;
    int chosenRow() const override;
    void choose(int row) override;
    void appendRow(const QString &text, const QString &bound) override;
    void removeRows() override;

private:
    QComboBox &combo_;
};

} // namespace qv::msdatalist
