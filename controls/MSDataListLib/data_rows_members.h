#pragma once
// What the data list and the data combo share: rows, each with the text the list shows (its list field)
// and the value it is bound to (its bound column), filled from code while the lists have no data source;
// the row chosen; and their changes.

#include <quorvane/member_object.h>

namespace qv::msdatalist
{

class DataRowsMembers : public MemberObject
{
    Q_OBJECT
    // The chosen row's bound value; written, the row bound to it is chosen ("" chooses none).
    Q_PROPERTY(QString BoundText READ boundText WRITE setBoundText STORED false)
    // Whether the text is that of a row.
    Q_PROPERTY(bool MatchedWithList READ matchedWithList STORED false)
    // The rows filled from code.
    Q_PROPERTY(int ListCount READ listCount STORED false)
public:
    using MemberObject::MemberObject;

    QString boundText() const;
    void setBoundText(const QString &bound);
    bool matchedWithList() const;
    int listCount() const { return rowCount(); }

    // A row at the end; left out, the bound value is the row's text.
    Q_INVOKABLE void AddRow(const QString &ListText);
    Q_INVOKABLE void AddRow(const QString &ListText, const QString &BoundText);
    Q_INVOKABLE void ClearRows();
    // Reads the rows again from the data source, which a list filled from code does not have.
    Q_INVOKABLE void ReFill();

signals:
    // The text changed, by the user or the program.
    void Change();
    // A row was chosen, by the user or the program.
    void Click();

protected:
    virtual QString shownText() const = 0;
    virtual int rowCount() const = 0;
    virtual QString rowText(int row) const = 0;
    virtual QString rowBound(int row) const = 0;
    virtual int chosenRow() const = 0;
    // -1 chooses none.
    virtual void choose(int row) = 0;
    virtual void appendRow(const QString &text, const QString &bound) = 0;
    virtual void removeRows() = 0;

    // The first row that shows text, or -1.
    int rowShowing(const QString &text) const;
};

} // namespace qv::msdatalist
