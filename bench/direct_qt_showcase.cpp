#include "direct_qt_showcase.h"

#include "controls/interface/twips.h"
#include <quorvane/form_description.h>

#include <QBuffer>
#include <QCalendarWidget>
#include <QChartView>
#include <QCheckBox>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSlider>
#include <QSpinBox>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTextEdit>
#include <QToolBar>
#include <QTreeView>
#include <QTreeWidget>
#include <QUiLoader>
#include <QXmlStreamWriter>
#include <map>
#include <string_view>

namespace qv::bench
{

namespace
{

// The nearest standard Qt class of each control; empty for a control without a window.
QString qtClassOf(const ControlRecord &record)
{
    using B = BuiltinClass;
    if (!isActiveX(record.cls)) {
        switch (std::get<BuiltinClass>(record.cls)) {
        case B::Label:
        case B::Image:
        case B::OLE:
            return QStringLiteral("QLabel");
        case B::TextBox:
            return QStringLiteral("QLineEdit");
        case B::Frame:
            return QStringLiteral("QGroupBox");
        case B::CommandButton:
            return QStringLiteral("QPushButton");
        case B::CheckBox:
            return QStringLiteral("QCheckBox");
        case B::OptionButton:
            return QStringLiteral("QRadioButton");
        case B::ComboBox:
        case B::DriveListBox:
            return QStringLiteral("QComboBox");
        case B::ListBox:
            return QStringLiteral("QListWidget");
        case B::HScrollBar:
        case B::VScrollBar:
            return QStringLiteral("QScrollBar");
        case B::DirListBox:
            return QStringLiteral("QTreeView");
        case B::FileListBox:
            return QStringLiteral("QListView");
        case B::Timer:
            return {};
        case B::PictureBox:
        case B::Shape:
        case B::Line:
        case B::Data:
            return QStringLiteral("QFrame");
        }
    }
    static const std::map<std::string_view, const char *> byClass {
        { "MSHFlexGrid", "QTableWidget" },  { "MSFlexGrid", "QTableWidget" },
        { "DataGrid", "QTableWidget" },     { "Adodc", "QFrame" },
        { "MMControl", "QFrame" },          { "CoolBar", "QToolBar" },
        { "Toolbar", "QToolBar" },          { "StatusBar", "QStatusBar" },
        { "DataCombo", "QComboBox" },       { "ImageCombo", "QComboBox" },
        { "DataList", "QListWidget" },      { "ListView", "QListWidget" },
        { "TreeView", "QTreeWidget" },      { "MaskEdBox", "QLineEdit" },
        { "MSChart", "QChartView" },        { "RichTextBox", "QTextEdit" },
        { "FlatScrollBar", "QScrollBar" },  { "DTPicker", "QDateTimeEdit" },
        { "MonthView", "QCalendarWidget" }, { "UpDown", "QSpinBox" },
        { "Animation", "QLabel" },          { "Slider", "QSlider" },
        { "ProgressBar", "QProgressBar" },  { "TabStrip", "QTabWidget" },
        { "SSTab", "QTabWidget" },
    };
    const std::string_view progId = std::get<ProgId>(record.cls).text;
    const auto found = byClass.find(progId.substr(progId.find('.') + 1));
    return found == byClass.end() ? QString() : QLatin1String(found->second);
}

// The classes UiTools cannot make by name.
QWidget *makeOutsideUiTools(const QString &qtClass, QWidget *parent)
{
    if (qtClass == QLatin1String("QToolBar"))
        return new QToolBar(parent);
    if (qtClass == QLatin1String("QStatusBar"))
        return new QStatusBar(parent);
    if (qtClass == QLatin1String("QChartView"))
        return new QChartView(parent);
    return nullptr;
}

QWidget *makeWidget(const QString &qtClass, QWidget *parent)
{
    static const std::map<QString, QWidget *(*)(QWidget *)> makers {
        { QStringLiteral("QLabel"), [](QWidget *p) -> QWidget * { return new QLabel(p); } },
        { QStringLiteral("QLineEdit"), [](QWidget *p) -> QWidget * { return new QLineEdit(p); } },
        { QStringLiteral("QGroupBox"), [](QWidget *p) -> QWidget * { return new QGroupBox(p); } },
        { QStringLiteral("QPushButton"), [](QWidget *p) -> QWidget * { return new QPushButton(p); } },
        { QStringLiteral("QCheckBox"), [](QWidget *p) -> QWidget * { return new QCheckBox(p); } },
        { QStringLiteral("QRadioButton"), [](QWidget *p) -> QWidget * { return new QRadioButton(p); } },
        { QStringLiteral("QComboBox"), [](QWidget *p) -> QWidget * { return new QComboBox(p); } },
        { QStringLiteral("QListWidget"), [](QWidget *p) -> QWidget * { return new QListWidget(p); } },
        { QStringLiteral("QScrollBar"), [](QWidget *p) -> QWidget * { return new QScrollBar(p); } },
        { QStringLiteral("QTreeView"), [](QWidget *p) -> QWidget * { return new QTreeView(p); } },
        { QStringLiteral("QListView"), [](QWidget *p) -> QWidget * { return new QListView(p); } },
        { QStringLiteral("QFrame"), [](QWidget *p) -> QWidget * { return new QFrame(p); } },
        { QStringLiteral("QTableWidget"), [](QWidget *p) -> QWidget * { return new QTableWidget(p); } },
        { QStringLiteral("QTreeWidget"), [](QWidget *p) -> QWidget * { return new QTreeWidget(p); } },
        { QStringLiteral("QTextEdit"), [](QWidget *p) -> QWidget * { return new QTextEdit(p); } },
        { QStringLiteral("QDateTimeEdit"), [](QWidget *p) -> QWidget * { return new QDateTimeEdit(p); } },
        { QStringLiteral("QCalendarWidget"), [](QWidget *p) -> QWidget * { return new QCalendarWidget(p); } },
        { QStringLiteral("QSpinBox"), [](QWidget *p) -> QWidget * { return new QSpinBox(p); } },
        { QStringLiteral("QSlider"), [](QWidget *p) -> QWidget * { return new QSlider(p); } },
        { QStringLiteral("QProgressBar"), [](QWidget *p) -> QWidget * { return new QProgressBar(p); } },
        { QStringLiteral("QTabWidget"), [](QWidget *p) -> QWidget * { return new QTabWidget(p); } },
    };
    if (QWidget *outside = makeOutsideUiTools(qtClass, parent))
        return outside;
    const auto maker = makers.find(qtClass);
    return maker == makers.end() ? nullptr : maker->second(parent);
}

void setText(QWidget &widget, const QString &text)
{
    if (text.isEmpty())
        return;
    if (auto *button = qobject_cast<QAbstractButton *>(&widget))
        button->setText(text);
    else if (auto *label = qobject_cast<QLabel *>(&widget))
        label->setText(text);
    else if (auto *edit = qobject_cast<QLineEdit *>(&widget))
        edit->setText(text);
    else if (auto *box = qobject_cast<QGroupBox *>(&widget))
        box->setTitle(text);
}

QRect pixelsOf(const ControlRecord &record, const TwipsScale &scale)
{
    return scale.toPixels(record.left, record.top, record.width, record.height);
}

class ChartAwareLoader final : public QUiLoader
{
public:
    QWidget *createWidget(const QString &className, QWidget *parent, const QString &name) override
    {
        QWidget *widget = makeOutsideUiTools(className, parent);
        if (!widget)
            return QUiLoader::createWidget(className, parent, name);
        widget->setObjectName(name);
        return widget;
    }
};

} // namespace

std::unique_ptr<QWidget> makeDirectly(const FormDescription &form)
{
    const TwipsScale scale = TwipsScale::ofScreen();
    auto window = std::make_unique<QWidget>();
    window->setWindowTitle(storedText(form.caption));
    window->resize(scale.toPixelsX(form.clientWidth), scale.toPixelsY(form.clientHeight));
    std::map<std::string_view, QWidget *> containers;
    for (const ControlRecord &record : form.controls) {
        QWidget *parent = record.container.empty() ? window.get() : containers.at(record.container);
        const QString qtClass = qtClassOf(record);
        if (qtClass.isEmpty()) {
            new QObject(parent);
            continue;
        }
        QWidget *widget = makeWidget(qtClass, parent);
        widget->setObjectName(storedText(record.name));
        widget->setGeometry(pixelsOf(record, scale));
        setText(*widget, storedText(record.text));
        containers[record.name] = widget;
    }
    return window;
}

QByteArray uiDescription(const FormDescription &form)
{
    const TwipsScale scale = TwipsScale::ofScreen();
    QByteArray ui;
    QXmlStreamWriter xml(&ui);
    const auto geometry = [&](QRect r) {
        xml.writeStartElement(QStringLiteral("property"));
        xml.writeAttribute(QStringLiteral("name"), QStringLiteral("geometry"));
        xml.writeStartElement(QStringLiteral("rect"));
        xml.writeTextElement(QStringLiteral("x"), QString::number(r.x()));
        xml.writeTextElement(QStringLiteral("y"), QString::number(r.y()));
        xml.writeTextElement(QStringLiteral("width"), QString::number(r.width()));
        xml.writeTextElement(QStringLiteral("height"), QString::number(r.height()));
        xml.writeEndElement();
        xml.writeEndElement();
    };
    xml.writeStartDocument();
    xml.writeStartElement(QStringLiteral("ui"));
    xml.writeAttribute(QStringLiteral("version"), QStringLiteral("4.0"));
    xml.writeStartElement(QStringLiteral("widget"));
    xml.writeAttribute(QStringLiteral("class"), QStringLiteral("QWidget"));
    xml.writeAttribute(QStringLiteral("name"), storedText(form.name));
    geometry({ 0, 0, scale.toPixelsX(form.clientWidth), scale.toPixelsY(form.clientHeight) });

    // Children of a frame go inside its element; the records list a frame before its children.
    const auto writeControl = [&](const ControlRecord &record, auto &writeChildren) -> void {
        const QString qtClass = qtClassOf(record);
        if (qtClass.isEmpty())
            return;
        xml.writeStartElement(QStringLiteral("widget"));
        xml.writeAttribute(QStringLiteral("class"), qtClass);
        xml.writeAttribute(QStringLiteral("name"), storedText(record.name));
        geometry(pixelsOf(record, scale));
        if (!record.text.empty()) {
            const bool isFrame = qtClass == QLatin1String("QGroupBox");
            xml.writeStartElement(QStringLiteral("property"));
            xml.writeAttribute(QStringLiteral("name"),
                               isFrame ? QStringLiteral("title") : QStringLiteral("text"));
            xml.writeTextElement(QStringLiteral("string"), storedText(record.text));
            xml.writeEndElement();
        }
        writeChildren(record.name, writeChildren);
        xml.writeEndElement();
    };
    const auto writeChildren = [&](std::string_view container, auto &self) -> void {
        for (const ControlRecord &record : form.controls) {
            if (record.container == container)
                writeControl(record, self);
        }
    };
    writeChildren({}, writeChildren);
    xml.writeEndElement();
    xml.writeEndElement();
    xml.writeEndDocument();
    return ui;
}

std::unique_ptr<QWidget> loadWithUiLoader(const QByteArray &ui)
{
    ChartAwareLoader loader;
    QBuffer buffer;
    buffer.setData(ui);
    buffer.open(QIODevice::ReadOnly);
    return std::unique_ptr<QWidget>(loader.load(&buffer));
}

} // namespace qv::bench
