#include "builtin_controls.h"
#include "form.h"
#include "runtime.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace qv
{

namespace
{
QString latin1(std::string_view text)
{
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

Qt::Alignment toQt(Alignment alignment)
{
    switch (alignment) {
    case Alignment::Right:
        return Qt::AlignRight | Qt::AlignTop;
    case Alignment::Center:
        return Qt::AlignHCenter | Qt::AlignTop;
    case Alignment::Left:
        break;
    }
    return Qt::AlignLeft | Qt::AlignTop;
}

QWidget *makeTextBox(const ControlRecord &record, QWidget &container)
{
    auto *edit = new QLineEdit(latin1(record.text), &container);
    if (record.maxLength > 0)
        edit->setMaxLength(record.maxLength);
    edit->setCursorPosition(0);
    return edit;
}

QWidget *makeCommandButton(Form &form, const ControlRecord &record, QWidget &container)
{
    auto *button = new QPushButton(latin1(record.text), &container);
    button->setDefault(record.isDefault);
    button->setAutoDefault(true);
    QObject::connect(button, &QPushButton::clicked, button,
                     [&form, name = record.name] { form.runtime().dispatchEvent(form, name, Event::Click); });
    return button;
}

QWidget *makeLabel(const ControlRecord &record, QWidget &container)
{
    auto *label = new QLabel(latin1(record.text), &container);
    label->setAlignment(toQt(record.alignment));
    label->setWordWrap(true);
    label->setTextFormat(Qt::PlainText);
    return label;
}
} // namespace

Status createBuiltinControl(Form &form, const ControlRecord &record, QWidget &container, ObjRef<Control> &out)
{
    QWidget *widget = nullptr;
    switch (record.cls.builtin) {
    case BuiltinClass::TextBox:
        widget = makeTextBox(record, container);
        break;
    case BuiltinClass::CommandButton:
        widget = makeCommandButton(form, record, container);
        break;
    case BuiltinClass::Label:
        widget = makeLabel(record, container);
        break;
    default: {
        const QString name = latin1(record.name);
        const QString cls = latin1(builtinClassName(record.cls.builtin));
        return form.runtime().fail(
            status::cannotCreateObject, QStringLiteral("%1: %2 could not be created.").arg(name, cls),
            CreationFailure { name, cls, {}, {}, QStringLiteral("the class is not built in yet.") });
    }
    }
    widget->setObjectName(latin1(record.name));
    widget->setGeometry(
        form.runtime().scale().toPixels(record.left, record.top, record.width, record.height));
    if (record.font)
        widget->setFont(toQFont(*record.font));

    switch (record.cls.builtin) {
    case BuiltinClass::TextBox:
        out = ObjRef<Control>(new TextBox(form, record, widget));
        break;
    case BuiltinClass::CommandButton:
        out = ObjRef<Control>(new CommandButton(form, record, widget));
        break;
    default:
        out = ObjRef<Control>(new Control(form, record, widget));
        break;
    }
    return status::ok;
}

} // namespace qv
