#include "plain_program.h"

#include "direct_qt_showcase.h"

#include "windows/main/form1_layout.h"
#include "windows/showcase/form2_layout.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QLineEdit>

namespace qv::bench
{

PlainProgram::PlainProgram(QString mainTitle, QString showcaseTitle)
    : mainTitle_(std::move(mainTitle))
    , showcaseTitle_(std::move(showcaseTitle))
{
}

PlainProgram::~PlainProgram() = default;

QAbstractButton *PlainProgram::button(const QWidget &window, const char *name)
{
    return window.findChild<QAbstractButton *>(QLatin1String(name));
}

QLineEdit *PlainProgram::text1() const
{
    return main_->findChild<QLineEdit *>(QStringLiteral("Text1"));
}

void PlainProgram::start()
{
    main_ = makeDirectly(form1Layout);
    if (!mainTitle_.isEmpty())
        main_->setWindowTitle(mainTitle_);
    text1()->clear(); // as the real main window's load does
    QObject::connect(button(*main_, "Command1"), &QAbstractButton::clicked, [this] { test(); });
    QObject::connect(button(*main_, "Command2"), &QAbstractButton::clicked, &QCoreApplication::quit);
    main_->show();
}

void PlainProgram::test()
{
    main_->hide();
    if (!showcase_) {
        showcase_ = makeDirectly(form2Layout());
        if (!showcaseTitle_.isEmpty())
            showcase_->setWindowTitle(showcaseTitle_);
        showcase_->setWindowModality(Qt::ApplicationModal);
        QObject::connect(button(*showcase_, "Command2"), &QAbstractButton::clicked, [this] { closeForm(); });
    }
    showcase_->show();
    // Until "Close Form" or the close box hides it.
    while (showcase_->isVisible())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    if (text1()->text().isEmpty())
        text1()->setText(QStringLiteral("Well that was fun ...."));
    main_->show();
    button(*main_, "Command2")->setFocus();
}

void PlainProgram::closeForm()
{
    showcase_->hide();
    main_->show();
    text1()->setText(QStringLiteral("All Good! Looks like it is working."));
    main_->activateWindow();
}

} // namespace qv::bench
