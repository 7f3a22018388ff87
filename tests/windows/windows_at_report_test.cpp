// What the user sees behind a run-time error's report: the windows on screen at the moment it comes up,
// before the end of the run closes them all.

#include "modules_without.h"
#include "support/program_fixture.h"

#include "support/named_rows.h"
#include "windows/main/form1_layout.h"
#include "windows/showcase/form2_layout.h"

#include <QApplication>
#include <ostream>

namespace qv::test
{
namespace
{

// Passes everything on to the recording host, noting first which of the two windows are visible.
class WindowsAtReport final : public Host
{
public:
    explicit WindowsAtReport(RecordingHost &recorder)
        : recorder_(recorder)
    {
    }
    void showErrorReport(const QString &title, const QString &text) override
    {
        for (const QWidget *window : QApplication::topLevelWidgets()) {
            if (window->isVisible()) {
                mainVisible |= window->objectName() == QLatin1StringView(form1Layout.name);
                showcaseVisible |= window->objectName() == QLatin1StringView(form2Layout().name);
            }
        }
        recorder_.showErrorReport(title, text);
    }
    void endProcess(int status) override { recorder_.endProcess(status); }

    bool mainVisible = false;
    bool showcaseVisible = false;

private:
    RecordingHost &recorder_;
};

struct ReportCase {
    const char *name;
    const char *missingModule; // null: every module installed
    const char *object; // the object whose operation fails, if one is made to
    const char *operation;
    bool mainVisible;
    bool showcaseVisible;
};
using qv::test::PrintTo;

// Made first, so that the program starts on the folder it fills.
struct ModuleFolder {
    QTemporaryDir dir;
    QString path;
    explicit ModuleFolder(const char *missing)
        : path(missing ? modulesWithout(dir, missing) : QString())
    {
    }
};

class ReportOver : private ModuleFolder,
                   public ProgramFixture,
                   public ::testing::WithParamInterface<ReportCase>
{
protected:
    ReportOver()
        : ModuleFolder(GetParam().missingModule)
        , ProgramFixture(path)
        , watch_(host_)
    {
        runtime_.reset();
        runtime_ = std::make_unique<StandardRuntime>(watch_, path.isEmpty() ? builtModuleDir() : path);
    }
    ~ReportOver() override
    {
        // The runtime reports to the watch: both go before it.
        state_.reset();
        runtime_.reset();
    }

    WindowsAtReport watch_;
};

TEST_P(ReportOver, TheWindowsTheUserWasLookingAt)
{
    const ReportCase &c = GetParam();
    start();
    if (c.object) {
        probeOf(*runtime_).setFaultInjector([&c](const ComObject &object, std::string_view operation) {
            const bool chosen = object.objectName() == QLatin1String(c.object) && operation == c.operation;
            return chosen ? status::fail : status::ok;
        });
    }
    clickTest([&] { clickCloseForm(); });

    ASSERT_EQ(host_.reports.size(), 1u);
    EXPECT_EQ(watch_.mainVisible, c.mainVisible) << qPrintable(host_.reports.front().text);
    EXPECT_EQ(watch_.showcaseVisible, c.showcaseVisible) << qPrintable(host_.reports.front().text);
}

INSTANTIATE_TEST_SUITE_P(
    Failures, ReportOver,
    ::testing::Values(
        // "Test" has hidden the main window; the showcase never comes up.
        ReportCase { "ShowcaseLoadFails", "mscomctl.so", nullptr, nullptr, false, false },
        ReportCase { "TestHideFails", nullptr, "Form1", "Hide", true, false },
        // "Close Form" fails at its first step: the showcase is still up, modal.
        ReportCase { "CloseFormHideFails", nullptr, "Form2", "Hide", false, true },
        ReportCase { "CloseFormShowMainFails", nullptr, "Form1", "Show", false, false },
        ReportCase { "CloseFormFocusMainFails", nullptr, "Form1", "SetFocus", true, false }),
    [](const auto &row) { return std::string(row.param.name); });

} // namespace
} // namespace qv::test
