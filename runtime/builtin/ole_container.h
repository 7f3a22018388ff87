#pragma once
// The OLE container control: shows its embedded object's cached picture, and on a double click (activation)
// opens a window that stands in for the object's server. The program itself never activates it.

#include "runtime/builtin/makers.h"
#include "runtime/ole/embedded_object.h"

#include <QFrame>
#include <QPointer>

namespace qv::builtin
{

class OleContainer final : public QFrame
{
    Q_OBJECT
public:
    OleContainer(const QString &controlName, EmbeddedObject object, QWidget *parent);

    // The embedded object's class, "Paint.Picture".
    const QString &className() const { return object_.className; }
    // The presentation the container shows, scaled to fit and keeping its shape.
    const QImage &picture() const { return object_.picture; }
    // The stand-in server's window while it is open, otherwise null.
    QWidget *serverWindow() const { return server_.data(); }
    // What a double click does: opens the server's window, or raises it if already open.
    void activate();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    QString controlName_;
    EmbeddedObject object_;
    QPointer<QWidget> server_;
};

} // namespace qv::builtin
