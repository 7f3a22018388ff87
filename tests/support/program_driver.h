#pragma once
// The real program in-process: runtime, program state and both windows, started as the entry point does,
// with a recording host. Clicks and closes as a user would, offscreen. Used by the tests and the benchmarks.

#include "recording_host.h"

#include "app/project_identity.h"
#include "runtime/core/control_private.h"
#include "runtime/core/form_private.h"
#include "runtime/core/test_seams.h"
#include "runtime/start/standard_runtime.h"
#include "windows/main/form1.h"
#include "windows/program_state.h"
#include "windows/showcase/form2.h"

#include <QAbstractButton>
#include <QTimer>
#include <functional>
#include <memory>

namespace qv::test
{

// The folder the build tree puts the control modules in.
inline QString builtModuleDir()
{
    return QStringLiteral(QUORVANE_TEST_MODULE_DIR);
}

class ProgramDriver
{
public:
    // The program with its control modules in moduleDir (the build tree's by default).
    explicit ProgramDriver(const QString &moduleDir = {});
    ~ProgramDriver();
    ProgramDriver(const ProgramDriver &) = delete;
    ProgramDriver &operator=(const ProgramDriver &) = delete;

    // Starts the program; a fault injector set before this sees the start-up too.
    void start();
    Form1 &form1() const { return state_->form1.as<Form1>(); }
    Form2 &form2() const { return state_->form2.as<Form2>(); }
    bool form2Created() const { return !state_->form2.empty(); }

    QAbstractButton *button(const Form &form, std::string_view name) const;
    QString text1() const;
    void typeIntoText1(const QString &text) const;

    // Clicks "Test"; `whileShown` runs inside the modal show once the showcase window is up, and not at all
    // when it never comes up.
    void clickTest(std::function<void()> whileShown);
    // The same, with "Test" pressed another way (a key).
    void pressTest(const std::function<void()> &press, std::function<void()> whileShown);
    void clickCloseForm();
    void closeShowcaseByCloseBox();
    // Lets deferred deletions of unloaded windows happen.
    static void settle();

    RecordingHost host_;
    std::unique_ptr<StandardRuntime> runtime_;
    std::unique_ptr<ProgramState> state_;
    std::unique_ptr<ProjectRecord> project_;
    QTimer whileShownTimer_;
};

} // namespace qv::test
