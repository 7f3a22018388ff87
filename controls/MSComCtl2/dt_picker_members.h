#pragma once
// The date picker's own members: its date (date_members.h), how it writes it, and its changes.

#include "date_members.h"

class QDateEdit;

namespace qv::mscomctl2
{

class DTPickerMembers final : public DateMembers
{
    Q_OBJECT
    Q_PROPERTY(FormatConstants Format READ format WRITE setFormat STORED true)
    // The form a custom Format writes: d, dd, ddd, dddd, M, MM, MMM, MMMM, y, yy, yyyy, as the control takes
    // them.
    Q_PROPERTY(QString CustomFormat READ customFormat WRITE setCustomFormat STORED false)
public:
    // The control's time format has no stand-in: the picker holds dates.
    enum FormatConstants { dtpLongDate = 0, dtpShortDate = 1, dtpCustom = 3 };
    Q_ENUM(FormatConstants)

    explicit DTPickerMembers(QDateEdit &picker);

    FormatConstants format() const;
    void setFormat(FormatConstants format);
    QString customFormat() const;
    void setCustomFormat(const QString &format);

signals:
    // The date changed, by the user or the program.
    void Change();

protected:
    QDate date() const override;
    void setDate(QDate date) override;
    QDate minimum() const override;
    QDate maximum() const override;
    void setRange(QDate minimum, QDate maximum) override;

private:
    QDateEdit &picker_;
};

} // namespace qv::mscomctl2
