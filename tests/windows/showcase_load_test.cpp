// The showcase window loaded in full: one instance of every class, each at its stored place and in its tab
// order; what hiding keeps and unloading destroys; and a load that stops at a missing library.

#include "modules_without.h"
#include "support/control_module.h"
#include "support/program_fixture.h"

#include "manifest/manifest.h"
#include "runtime/core/placement.h"
#include "windows/showcase/form2_layout.h"

#include <QCoreApplication>
#include <map>
#include <set>

namespace qv::test
{
namespace
{

class Showcase : public ProgramFixture
{
protected:
    using ProgramFixture::ProgramFixture;
    void SetUp() override { start(); }
    // Runs one round trip ended by "Close Form", checking the showcase while it is up.
    void roundTrip(const std::function<void()> &whileShown = [] {})
    {
        clickTest([&] {
            whileShown();
            clickCloseForm();
        });
    }
};

TEST_F(Showcase, HoldsOneInstanceOfEveryClassAndTwoCommandButtons)
{
    roundTrip();
    ASSERT_EQ(host_.reports.size(), 0u) << qPrintable(host_.reports.front().text);
    ASSERT_EQ(controlsOf(form2()).size(), 55u);
    std::map<QString, int> perClass;
    for (const auto &control : controlsOf(form2()))
        ++perClass[control->className()];
    EXPECT_EQ(perClass.size(), 54u);
    EXPECT_EQ(perClass[QStringLiteral("CommandButton")], 2);
    for (const auto &c : manifest::classes())
        EXPECT_EQ(perClass[QString::fromLatin1(c.progId.data(), static_cast<qsizetype>(c.progId.size()))], 1)
            << c.progId;
    for (const auto &name : manifest::builtinClasses())
        EXPECT_GE(perClass[QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()))], 1) << name;
}

TEST_F(Showcase, InvisibleInstancesAndTheTimerHaveNoWindow)
{
    roundTrip();
    const std::set<std::string_view> windowless { "MSComm1",       "SysInfo1",     "PictureClip1",
                                                  "MAPIMessages1", "MAPISession1", "Winsock1",
                                                  "Inet1",         "ImageList1",   "CommonDialog1",
                                                  "Timer1" };
    for (const auto &control : controlsOf(form2())) {
        const bool hasWindow = widgetOf(*control) != nullptr;
        EXPECT_EQ(hasWindow, !windowless.contains(recordOf(*control).name)) << recordOf(*control).name;
        EXPECT_NE(objectOf(*control), nullptr) << recordOf(*control).name;
    }
}

TEST_F(Showcase, EveryVisibleControlStandsAtItsStoredPlace)
{
    roundTrip();
    const QWidget *window = windowOf(form2());
    for (const auto &control : controlsOf(form2())) {
        const ControlRecord &r = recordOf(*control);
        QWidget *w = widgetOf(*control);
        if (!w || isBuiltin(r.cls, BuiltinClass::Line))
            continue;
        EXPECT_EQ(w->geometry(), placement(r, *w->parentWidget(), runtime_->scale())) << r.name;
    }
    const QWidget *toolbar = widgetOf(*findControl(form2(), "Toolbar1"));
    const QWidget *statusBar = widgetOf(*findControl(form2(), "StatusBar1"));
    EXPECT_EQ(toolbar->geometry(), QRect(0, 0, window->width(), 42));
    EXPECT_EQ(statusBar->geometry(), QRect(0, window->height() - 33, window->width(), 33));
    const QWidget *frame = widgetOf(*findControl(form2(), "Frame1"));
    for (const char *child : { "Option1", "Check1", "Command1" })
        EXPECT_EQ(widgetOf(*findControl(form2(), child))->parentWidget(), frame) << child;
}

TEST_F(Showcase, FocusFollowsTheTabIndexes)
{
    roundTrip();
    std::vector<const Control *> byTabIndex;
    for (const auto &control : controlsOf(form2())) {
        if (widgetOf(*control) && recordOf(*control).tabIndex != noTabIndex
            && (widgetOf(*control)->focusPolicy() & Qt::TabFocus))
            byTabIndex.push_back(control.get());
    }
    std::sort(byTabIndex.begin(), byTabIndex.end(),
              [](auto *a, auto *b) { return recordOf(*a).tabIndex < recordOf(*b).tabIndex; });
    ASSERT_GT(byTabIndex.size(), 20u);
    // Walk the focus chain once round and note each control's widget where it first turns up.
    std::vector<const Control *> inChain;
    QWidget *start = widgetOf(*byTabIndex.front());
    QWidget *w = start;
    do {
        for (const Control *c : byTabIndex) {
            if (widgetOf(*c) == w && std::find(inChain.begin(), inChain.end(), c) == inChain.end())
                inChain.push_back(c);
        }
        w = w->nextInFocusChain();
    } while (w && w != start);
    ASSERT_EQ(inChain.size(), byTabIndex.size());
    for (std::size_t i = 0; i < inChain.size(); ++i)
        EXPECT_EQ(recordOf(*inChain[i]).name, recordOf(*byTabIndex[i]).name) << "position " << i;
}

TEST_F(Showcase, TabIndexesAreZeroToThirtyNineEachOnce)
{
    std::set<int> seen;
    for (const ControlRecord &r : form2Layout().controls) {
        if (r.tabIndex != noTabIndex) {
            EXPECT_TRUE(seen.insert(r.tabIndex).second) << r.name;
        }
    }
    EXPECT_EQ(seen.size(), 40u);
    EXPECT_EQ(*seen.begin(), 0);
    EXPECT_EQ(*seen.rbegin(), 39);
}

TEST_F(Showcase, HidingKeepsEveryInstanceAndUnloadingDestroysThem)
{
    settle();
    const int baseline = probeOf(*runtime_).liveControls();
    roundTrip();
    settle();
    EXPECT_EQ(probeOf(*runtime_).liveControls(), baseline + 55) << "hidden, not unloaded";
    clickTest([&] { closeShowcaseByCloseBox(); });
    settle();
    EXPECT_EQ(probeOf(*runtime_).liveControls(), baseline) << "unloaded by its close box";
    roundTrip();
    settle();
    EXPECT_EQ(probeOf(*runtime_).liveControls(), baseline + 55) << "loaded anew";
    EXPECT_EQ(loadCountOf(form2()), 2);
}

struct MissingLibrary {
    const char *module;
    const char *firstRecord; // the first record in stored order whose class comes from it
    const char *clsid;
    const char *libraryFile;
    int recordsBefore;
};
void PrintTo(const MissingLibrary &m, std::ostream *os)
{
    *os << m.module;
}

class ShowcaseWithoutALibrary : public ::testing::TestWithParam<MissingLibrary>
{
};

TEST_P(ShowcaseWithoutALibrary, StopsAtTheFirstRecordOfThatLibrary)
{
    QTemporaryDir dir;
    const QString moduleDir = modulesWithout(dir, GetParam().module);
    struct Run : ProgramFixture {
        explicit Run(const QString &d)
            : ProgramFixture(d)
        {
        }
        void TestBody() override { }
        using ProgramFixture::clickTest;
        using ProgramFixture::form1;
        using ProgramFixture::form2;
        using ProgramFixture::form2Created;
        using ProgramFixture::host_;
        using ProgramFixture::runtime_;
        using ProgramFixture::settle;
        using ProgramFixture::start;
    } run(moduleDir);
    run.start();
    run.settle();
    // The program read the installed modules while it waited for its click: what it found is reported at the
    // click all the same.
    QCoreApplication::processEvents();
    ASSERT_TRUE(run.runtime_->modules().scanned());
    const int liveBefore = probeOf(*run.runtime_).liveControls();
    const int createdBefore = probeOf(*run.runtime_).controlsCreated();
    bool shown = false;
    run.clickTest([&] { shown = true; });
    run.settle();

    EXPECT_FALSE(shown);
    ASSERT_EQ(run.host_.reports.size(), 1u);
    const QString &report = run.host_.reports.front().text;
    for (const char *part : { GetParam().firstRecord, GetParam().clsid, GetParam().libraryFile,
                              "Object: Form2", "Operation: Show" })
        EXPECT_TRUE(report.contains(QLatin1String(part))) << part << " not in:\n" << qPrintable(report);
    EXPECT_EQ(run.host_.exitStatus, 1);
    EXPECT_FALSE(isLoaded(run.form2()));
    EXPECT_EQ(probeOf(*run.runtime_).controlsCreated() - createdBefore, GetParam().recordsBefore)
        << "every record before it, none after";
    EXPECT_EQ(probeOf(*run.runtime_).liveControls(), 0)
        << "what was made is destroyed, and the run has ended";
    (void)liveBefore;
}

INSTANTIATE_TEST_SUITE_P(
    Libraries, ShowcaseWithoutALibrary,
    ::testing::Values(MissingLibrary { "mshflxgd.so", "MSHFlexGrid1",
                                       "{0ECD9B64-23AA-11D0-B351-00A0C9055D8E}", "MSHFLXGD.OCX", 1 },
                      MissingLibrary { "msmapi32.so", "MAPIMessages1",
                                       "{20C62CAB-15DA-101B-B9A8-444553540000}", "MSMAPI32.OCX", 12 },
                      MissingLibrary { "mscomctl.so", "ImageCombo1", "{DD9DA666-8594-11D1-B16A-00C0F0283628}",
                                       "MSCOMCTL.OCX", 23 },
                      MissingLibrary { "tabctl32.so", "SSTab1", "{BDC217C5-ED16-11CD-956C-0000C04E4C0A}",
                                       "TABCTL32.OCX", 34 }),
    [](const auto &row) {
        std::string name = row.param.module;
        return name.substr(0, name.find('.'));
    });

} // namespace
} // namespace qv::test
