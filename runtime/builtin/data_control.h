#pragma once
// The data control's widget: a bar with buttons to the first and previous records on the left, its caption
// in the middle and buttons to the next and last records on the right. It opens no database: what it would
// connect to is kept as the program sets it, and its buttons move nowhere.

#include <quorvane/form_description.h>

#include <QWidget>
#include <array>

class QLabel;
class QPushButton;

namespace qv::builtin
{

class DataControlBar final : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(QString connect READ connectType)
    Q_PROPERTY(QString databaseName READ databaseName)
    Q_PROPERTY(QString recordSource READ recordSource)

public:
    // What it connects to, and how it would open it.
    struct Connection {
        QString connect; // the kind of database: "Access", "dBASE III;", ...
        QString databaseName;
        QString recordSource; // a table's name or a query
        bool readOnly = false;
        bool exclusive = false;
    };

    DataControlBar(const ControlRecord &record, QWidget &container);

    Connection &connection() { return connection_; }
    const Connection &connection() const { return connection_; }
    QString connectType() const { return connection_.connect; }
    QString databaseName() const { return connection_.databaseName; }
    QString recordSource() const { return connection_.recordSource; }
    QString caption() const;
    void setCaption(const QString &caption);

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    Connection connection_;
    std::array<QPushButton *, 4> buttons_;
    QLabel *caption_;
};

} // namespace qv::builtin
