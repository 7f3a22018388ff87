// A failing operation inside each handler: the runtime's report names the object and the operation, the
// handler goes no further, the run ends with a non-zero status, and every reference and string the handler
// took is released.

#include "runtime/core/string_count.h"
#include "support/named_rows.h"
#include "support/program_fixture.h"

#include <optional>
#include <ostream>

namespace qv::test
{
namespace
{

enum class Scenario { StartUp, CloseForm, CloseBox };

struct FailureCase {
    const char *name;
    Scenario scenario;
    const char *object; // the object whose operation fails
    const char *operation;
    const char *interfaceName;
    int nth = 1; // which use of the operation, counting from the injection, fails
};
using qv::test::PrintTo;

class HandlerFailure : public ProgramFixture, public ::testing::WithParamInterface<FailureCase>
{
protected:
    // Fails the case's use of its operation on its object, and notes every operation called before the run
    // ended.
    void inject()
    {
        probeOf(*runtime_).setFaultInjector(
            [this, &c = GetParam(), calls = 0](const ComObject &object, std::string_view operation) mutable {
                if (runtime_->hasEnded())
                    return status::ok;
                called.push_back(object.objectName() + u'.'
                                 + QLatin1StringView(operation.data(), qsizetype(operation.size())));
                if (object.objectName() == QLatin1String(c.object) && operation == c.operation
                    && ++calls == c.nth)
                    return status::fail;
                return status::ok;
            });
    }

    QStringList called;
};

TEST_P(HandlerFailure, EndsInReportAndReleasesEverything)
{
    const FailureCase &c = GetParam();
    int form1Refs = 0;
    std::optional<int> form2Refs; // while the showcase was up, if it came up
    const int strings = liveStrings();
    if (c.scenario == Scenario::StartUp) {
        inject();
        start();
    } else {
        start();
        form1Refs = form1().refCount();
        inject();
        clickTest([&] {
            EXPECT_FALSE(windowOf(form1())->isVisible());
            form2Refs = form2().refCount();
            if (c.scenario == Scenario::CloseForm)
                clickCloseForm();
            else
                closeShowcaseByCloseBox();
        });
        if (form2Refs) {
            EXPECT_EQ(form2().refCount(), *form2Refs);
        }
    }

    ASSERT_EQ(host_.reports.size(), 1u);
    const Report &report = host_.reports.front();
    EXPECT_EQ(report.title, QStringLiteral("Quorvane"));
    EXPECT_TRUE(report.text.contains(QStringLiteral("Object: %1").arg(QLatin1String(c.object))))
        << qPrintable(report.text);
    EXPECT_TRUE(report.text.contains(QStringLiteral("Interface: %1").arg(QLatin1String(c.interfaceName))))
        << qPrintable(report.text);
    EXPECT_TRUE(report.text.contains(QStringLiteral("Operation: %1").arg(QLatin1String(c.operation))))
        << qPrintable(report.text);
    EXPECT_TRUE(report.text.contains(QStringLiteral("Run-time error '-2147467259 (80004005)'")))
        << qPrintable(report.text);
    ASSERT_FALSE(called.isEmpty());
    EXPECT_EQ(called.back(), QStringLiteral("%1.%2").arg(QLatin1String(c.object), QLatin1String(c.operation)))
        << "the handler stopped at the failing operation; called: " << qPrintable(called.join(u' '));
    EXPECT_EQ(host_.exitStatus, 1);
    EXPECT_EQ(liveStrings(), strings);
    if (c.scenario != Scenario::StartUp) {
        EXPECT_EQ(form1().refCount(), form1Refs);
    }
    settle();
    EXPECT_EQ(probeOf(*runtime_).liveControls(), 0) << "the end of the run unloads every window";
}

INSTANTIATE_TEST_SUITE_P(
    Steps, HandlerFailure,
    ::testing::Values(
        // Load of Form1.
        FailureCase { "LoadText1", Scenario::StartUp, "Form1", "Text1", "_Form1" },
        FailureCase { "LoadClearText", Scenario::StartUp, "Text1", "Text", "_TextBox" },
        // "Test", ended by the close box so that every step of it runs.
        FailureCase { "TestHide", Scenario::CloseBox, "Form1", "Hide", "_Form1" },
        FailureCase { "TestShowShowcase", Scenario::CloseBox, "Form2", "Show", "_Form2" },
        FailureCase { "TestText1", Scenario::CloseBox, "Form1", "Text1", "_Form1" },
        FailureCase { "TestReadText", Scenario::CloseBox, "Text1", "Text", "_TextBox" },
        FailureCase { "TestShowMain", Scenario::CloseBox, "Form1", "Show", "_Form1" },
        FailureCase { "TestCommand2", Scenario::CloseBox, "Form1", "Command2", "_Form1" },
        FailureCase { "TestFocusExit", Scenario::CloseBox, "Command2", "SetFocus", "_CommandButton" },
        // "Close Form".
        FailureCase { "CloseFormHide", Scenario::CloseForm, "Form2", "Hide", "_Form2" },
        FailureCase { "CloseFormShowMain", Scenario::CloseForm, "Form1", "Show", "_Form1" },
        FailureCase { "CloseFormText1", Scenario::CloseForm, "Form1", "Text1", "_Form1" },
        FailureCase { "CloseFormWriteText", Scenario::CloseForm, "Text1", "Text", "_TextBox" },
        FailureCase { "CloseFormFocusMain", Scenario::CloseForm, "Form1", "SetFocus", "_Form1" },
        // A later use of an operation the handlers call more than once.
        FailureCase { "TestSecondText1", Scenario::CloseBox, "Form1", "Text1", "_Form1", 2 },
        FailureCase { "TestWriteFarewell", Scenario::CloseBox, "Text1", "Text", "_TextBox", 2 },
        // "Close Form" has run in full; the Test handler fails after it resumes.
        FailureCase { "ResumedShowMain", Scenario::CloseForm, "Form1", "Show", "_Form1", 2 },
        FailureCase { "ResumedText1", Scenario::CloseForm, "Form1", "Text1", "_Form1", 2 },
        FailureCase { "ResumedReadText", Scenario::CloseForm, "Text1", "Text", "_TextBox", 2 }),
    [](const auto &row) { return std::string(row.param.name); });

} // namespace
} // namespace qv::test
