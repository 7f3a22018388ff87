#include "ole_container.h"
#include "controls/interface/accessible_role.h"
#include <quorvane/form_description.h>

#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QVBoxLayout>

namespace qv::builtin
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

// Reads the record's embedded object and makes its container; a missing, damaged or other object is refused
// with a message naming the control and the fault.
Outcome<QObject *> makeOleContainer(const ControlRecord &record, const MakeSite &site)
{
    const QString name = storedText(record.name);
    const auto refused = [&name](const QString &fault) {
        return failure(status::cannotCreateObject,
                       QStringLiteral("%1: the OLE container cannot be created: %2").arg(name, fault));
    };
    const auto *stored = storedValueOf<std::span<const std::byte>>(record, QLatin1StringView("OLEObject"));
    if (!stored || stored->empty())
        return refused(QStringLiteral("its record holds no embedded object"));
    Outcome<EmbeddedObject> object = readEmbeddedObject(*stored);
    if (!object)
        return refused(object.failure().explanation());
    const auto *storedClass = storedValueOf<std::string_view>(record, QLatin1StringView("Class"));
    if (storedClass && storedText(*storedClass) != object.value().className)
        return refused(QStringLiteral("its record names the class %1, but the embedded object is a %2")
                           .arg(storedText(*storedClass), object.value().className));
    auto *container = new OleContainer(name, std::move(object).value(), &site.container);
    presentAs(*container, QAccessible::Graphic); // it shows the object's cached picture
    return container;
}

} // namespace qv::builtin
