#include "builtin_controls.h"
#include "builtin_makers.h"
#include "form.h"
#include "ole/ole_container.h"
#include "placement.h"
#include "runtime.h"

#include <QWidget>

namespace qv
{

namespace
{
// The class's widget or plain object inside the container; null, with the reason, for a class that cannot
// be made.
QObject *makeBuiltinObject(Form &form, const ControlRecord &record, QWidget &container, QString &reason)
{
    switch (record.cls.builtin) {
    case BuiltinClass::PictureBox:
        return makePictureBox(container);
    case BuiltinClass::Label:
        return makeLabel(record, container);
    case BuiltinClass::TextBox:
        return makeTextBox(record, container);
    case BuiltinClass::Frame:
        return makeFrame(record, container);
    case BuiltinClass::CommandButton:
        return makeCommandButton(form, record, container);
    case BuiltinClass::CheckBox:
        return makeCheckBox(record, container);
    case BuiltinClass::OptionButton:
        return makeOptionButton(record, container);
    case BuiltinClass::ComboBox:
        return makeComboBox(record, container);
    case BuiltinClass::ListBox:
        return makeListBox(container);
    case BuiltinClass::HScrollBar:
        return makeScrollBar(Qt::Horizontal, container);
    case BuiltinClass::VScrollBar:
        return makeScrollBar(Qt::Vertical, container);
    case BuiltinClass::Timer:
        return makeTimer(record, container);
    case BuiltinClass::DriveListBox:
        return makeDriveListBox(container);
    case BuiltinClass::DirListBox:
        return makeDirListBox(container);
    case BuiltinClass::FileListBox:
        return makeFileListBox(container);
    case BuiltinClass::Shape:
        return makeShape(container);
    case BuiltinClass::Line:
        return makeLine(record, form.runtime().scale(), container);
    case BuiltinClass::Image:
        return makeImage(container);
    case BuiltinClass::Data:
        return makeDataControl(record, container);
    case BuiltinClass::OLE:
        return makeOleContainer(record, container, reason);
    }
    reason = QStringLiteral("the class is not built in yet.");
    return nullptr;
}

// The one place a built-in control's widget gets its position and size.
QRect builtinPlacement(const ControlRecord &record, const QWidget &container, const TwipsScale &scale)
{
    if (record.cls.builtin == BuiltinClass::Line)
        return lineBounds(record, scale);
    return placement(record, container, scale);
}
} // namespace

Status createBuiltinControl(Form &form, const ControlRecord &record, QWidget &container, ObjRef<Control> &out)
{
    QString reason;
    QObject *object = makeBuiltinObject(form, record, container, reason);
    if (!object) {
        const QString name = storedText(record.name);
        const QString cls = storedText(builtinClassName(record.cls.builtin));
        return form.runtime().fail(status::cannotCreateObject,
                                   QStringLiteral("%1: %2 could not be created.").arg(name, cls),
                                   CreationFailure { name, cls, {}, {}, reason });
    }
    object->setObjectName(storedText(record.name));
    // A class without a window (the timer) has neither a place nor a font.
    if (auto *widget = qobject_cast<QWidget *>(object)) {
        widget->setGeometry(builtinPlacement(record, container, form.runtime().scale()));
        if (record.font)
            widget->setFont(toQFont(*record.font));
    }

    switch (record.cls.builtin) {
    case BuiltinClass::TextBox:
        out = ObjRef<Control>(new TextBox(form, record, object));
        break;
    case BuiltinClass::CommandButton:
        out = ObjRef<Control>(new CommandButton(form, record, object));
        break;
    default:
        out = ObjRef<Control>(new Control(form, record, object));
        break;
    }
    return status::ok;
}

} // namespace qv
