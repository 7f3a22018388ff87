#include "ole_container.h"
#include "runtime/stored_text.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QVBoxLayout>

namespace qv
{

namespace
{

// A plain window with the object's own picture at its own size: all a user sees of Paint's editing window
// is the picture it would open.
QWidget *openServerWindow(QWidget &owner, const QString &title, const QImage &picture)
{
    auto *window = new QWidget(&owner, Qt::Window);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setWindowTitle(title);
    auto *view = new QLabel(window);
    view->setPixmap(QPixmap::fromImage(picture));
    auto *layout = new QVBoxLayout(window);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(view);
    window->setFixedSize(picture.size());
    window->show();
    return window;
}
} // namespace

OleContainer::OleContainer(const QString &controlName, EmbeddedObject object, QWidget *parent)
    : QFrame(parent)
    , controlName_(controlName)
    , object_(std::move(object))
{
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setBackgroundRole(QPalette::Base);
    setAutoFillBackground(true);
}

void OleContainer::activate()
{
    if (server_) {
        server_->raise();
        server_->activateWindow();
        return;
    }
    server_
        = openServerWindow(*this, QStringLiteral("%1 - Picture in %2").arg(object_.className, controlName_),
                           object_.nativePicture);
}

void OleContainer::paintEvent(QPaintEvent *event)
{
    QFrame::paintEvent(event);
    const QRect area = contentsRect();
    if (area.isEmpty() || object_.picture.isNull())
        return;
    QRect target(QPoint(), object_.picture.size().scaled(area.size(), Qt::KeepAspectRatio));
    target.moveCenter(area.center());
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(target, object_.picture);
}

void OleContainer::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        activate();
    else
        QFrame::mouseDoubleClickEvent(event);
}

QWidget *makeOleContainer(const ControlRecord &record, QWidget &container, QString &error)
{
    const QString name = storedText(record.name);
    if (record.oleObject.empty()) {
        error = QStringLiteral("%1: the OLE container cannot be created: its record holds no embedded object")
                    .arg(name);
        return nullptr;
    }
    EmbeddedObject object;
    QString fault;
    if (!readEmbeddedObject(record.oleObject, object, fault)) {
        error = QStringLiteral("%1: the OLE container cannot be created: %2").arg(name, fault);
        return nullptr;
    }
    if (!record.oleClass.empty() && storedText(record.oleClass) != object.className) {
        error = QStringLiteral(
                    "%1: the OLE container cannot be created: its record names the class %2, but the "
                    "embedded object is a %3")
                    .arg(name, storedText(record.oleClass), object.className);
        return nullptr;
    }
    return new OleContainer(name, std::move(object), &container);
}

} // namespace qv
