#include "program_driver.h"

#include <QApplication>
#include <QLineEdit>
#include <QTimer>
#include <QtTest/QTest>

namespace qv::test
{

ProgramDriver::ProgramDriver(const QString &moduleDir)
    : runtime_(std::make_unique<StandardRuntime>(host_, moduleDir.isEmpty() ? builtModuleDir() : moduleDir))
    , state_(std::make_unique<ProgramState>())
    , project_(std::make_unique<ProjectRecord>(
          ProjectRecord { quorvaneIdentity, form1Class(*state_), state_->form1 }))
{
}

ProgramDriver::~ProgramDriver()
{
    // The slots hold references into the runtime: release them first.
    state_.reset();
    runtime_.reset();
    settle();
}

void ProgramDriver::start()
{
    runtime_->start(*project_);
    runtime_->readModulesWhenIdle();
}

QAbstractButton *ProgramDriver::button(const Form &form, std::string_view name) const
{
    const Control *control = findControl(form, name);
    return control ? qobject_cast<QAbstractButton *>(widgetOf(*control)) : nullptr;
}

QString ProgramDriver::text1() const
{
    const Control *control = findControl(form1(), "Text1");
    return control ? qobject_cast<QLineEdit *>(widgetOf(*control))->text() : QString();
}

void ProgramDriver::typeIntoText1(const QString &text) const
{
    auto *edit = qobject_cast<QLineEdit *>(widgetOf(*findControl(form1(), "Text1")));
    edit->clear();
    QTest::keyClicks(edit, text);
}

void ProgramDriver::clickTest(std::function<void()> whileShown)
{
    pressTest([this] { QTest::mouseClick(button(form1(), "Command1"), Qt::LeftButton); },
              std::move(whileShown));
}

void ProgramDriver::pressTest(const std::function<void()> &press, std::function<void()> whileShown)
{
    whileShownTimer_.setSingleShot(true);
    whileShownTimer_.disconnect();
    QObject::connect(&whileShownTimer_, &QTimer::timeout, [this, whileShown = std::move(whileShown)] {
        if (form2Created() && windowOf(form2()) && windowOf(form2())->isVisible())
            whileShown();
    });
    whileShownTimer_.start(0);
    press();
    whileShownTimer_.stop();
}

void ProgramDriver::clickCloseForm()
{
    QTest::mouseClick(button(form2(), "Command2"), Qt::LeftButton);
}

void ProgramDriver::closeShowcaseByCloseBox()
{
    windowOf(form2())->close();
}

void ProgramDriver::settle()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace qv::test
