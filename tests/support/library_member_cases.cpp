// The cases of the library classes' event and refusal tables; each group of classes gives its rows in its
// own test file.

#include "support/library_members_fixture.h"

namespace qv::test
{

// A group of classes may have rows in one table only (a dialog raises no event).
GTEST_ALLOW_UNINSTANTIATED_PARAMETERIZED_TEST(LibraryEvents);
GTEST_ALLOW_UNINSTANTIATED_PARAMETERIZED_TEST(LibraryRefusals);

TEST_P(LibraryEvents, RunTheHandlerBoundByName)
{
    const manifest::ClassRecord &c = *manifest::findClass(GetParam().progId);
    TestLayout &layout = layouts.emplace_back();
    layout.add(c.instance, c.progId, 120, 120, 2000, 1200, defaultBlock(c, 2000, 1200));
    Form &form = *forms.emplace_back(runtime->adoptForm(new Form(*runtime, layout.description)));
    int raised = 0;
    form.bind(c.instance, GetParam().event, [&](std::span<Variant>) {
        ++raised;
        return status::ok;
    });
    ASSERT_EQ(form.Show(), status::ok) << lastError().toStdString();
    Control &control = *findControl(form, c.instance);
    GetParam().raise(control, widgetOf(control));
    EXPECT_TRUE(QTest::qWaitFor([&] { return raised > 0; }, 5000)) << "never raised";
    EXPECT_TRUE(host.reports.empty());
}

TEST_P(LibraryRefusals, SayWhoseMemberAndWhy)
{
    const manifest::ClassRecord &c = *manifest::findClass(GetParam().progId);
    Control &control = one(c.progId);
    EXPECT_EQ(GetParam().call(control), GetParam().expected);
    const QString why = lastError();
    EXPECT_TRUE(why.startsWith(QStringLiteral("Probe.%1 (%2): ").arg(text(c.instance), text(c.progId))))
        << why.toStdString();
    EXPECT_TRUE(why.contains(QString::fromUtf8(GetParam().named))) << why.toStdString();
}

} // namespace qv::test
