#pragma once
// The data list's own members: the chosen row's text, and the rows it shares with the data combo.

#include "data_rows_members.h"

class QListWidget;

namespace qv::msdatalist
{

class DataListMembers final : public DataRowsMembers
{
    Q_OBJECT
    // The chosen row's text; written, the row that shows it is chosen ("" chooses none).
    Q_PROPERTY(QString Text READ text WRITE setText STORED false)
public:
    explicit DataListMembers(QListWidget &list);

    QString text() const;
    void setText(const QString &text);

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
    QListWidget &list_;
};

} // namespace qv::msdatalist
