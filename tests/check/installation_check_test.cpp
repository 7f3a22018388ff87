// The check in-process: every library and class of a full installation reported created, and each way an
// installation can differ from the manifest found from the modules' metadata alone.
#include "check/installation_check.h"
#include "manifest/manifest.h"
#include "support/broken_modules.h"
#include "support/named_rows.h"
#include "support/program_driver.h"
#include "windows/main/form1_layout.h"
#include "windows/program_state.h"

#include <QApplication>
#include <QTemporaryDir>
#include <functional>
#include <grp.h>
#include <ostream>
#include <pwd.h>
#include <unistd.h>

namespace qv::test
{
namespace
{

using checker::CheckReport;

TEST(InstallationCheck, FullInstallationCreatesEveryClassOfEveryLibrary)
{
    ProgramState state;
    const CheckReport report = checker::checkInstallation(form2Class(state), builtModuleDir());
    ProgramDriver::settle();
    EXPECT_TRUE(QApplication::topLevelWidgets().isEmpty()) << "the showcase window is gone after the check";
    EXPECT_TRUE(state.form2.empty()) << "the program's own slot is left alone";
    EXPECT_TRUE(report.moduleProblems.empty());
    EXPECT_TRUE(report.window) << qPrintable(report.window.failure().explanation());
    EXPECT_TRUE(report.allCreated());
    EXPECT_EQ(report.classCount(), 54);
    EXPECT_EQ(report.createdCount(), 54);
    EXPECT_TRUE(report.failedLibraries().isEmpty());

    ASSERT_EQ(report.libraries.size(), 21u);
    const auto &forms = report.libraries.front();
    EXPECT_EQ(forms.file, QStringLiteral("MSVBVM60.DLL"));
    EXPECT_EQ(forms.classes.size(), 20u);
    for (const auto &cls : forms.classes) {
        if (cls.className == QStringLiteral("VB.CommandButton"))
            EXPECT_EQ(cls.controls, QStringList({ "Command2", "Command1" })) << "in stored order";
        else
            EXPECT_EQ(cls.controls.size(), 1) << qPrintable(cls.className);
    }
    // Every ActiveX class is reported under its library, with the showcase window's instance of it.
    for (const manifest::ClassRecord &c : manifest::classes()) {
        const auto library
            = std::find_if(report.libraries.begin(), report.libraries.end(), [&](const auto &l) {
                  return l.file == QLatin1String(c.libraryFile.data(), qsizetype(c.libraryFile.size()));
              });
        ASSERT_NE(library, report.libraries.end()) << c.progId;
        const auto cls = std::find_if(library->classes.begin(), library->classes.end(), [&](const auto &r) {
            return r.className == QLatin1String(c.progId.data(), qsizetype(c.progId.size()));
        });
        ASSERT_NE(cls, library->classes.end()) << c.progId;
        EXPECT_TRUE(cls->created) << c.progId;
        EXPECT_EQ(cls->controls,
                  QStringList(QString::fromLatin1(c.instance.data(), qsizetype(c.instance.size()))));
    }
}

TEST(InstallationCheck, GoesOnPastABrokenLibraryAndLeavesNothingBehind)
{
    QTemporaryDir root;
    const QDir dir(root.path());
    copyModules(builtModuleDir(), dir);
    ASSERT_TRUE(QFile::remove(dir.filePath(QStringLiteral("mscomctl.so"))));

    ProgramState state;
    const CheckReport report = checker::checkInstallation(form2Class(state), dir.path());
    ProgramDriver::settle();
    EXPECT_TRUE(QApplication::topLevelWidgets().isEmpty()) << "nothing made is left behind";

    EXPECT_EQ(report.failedLibraries(), QStringList { "MSCOMCTL.OCX" });
    EXPECT_EQ(report.createdCount(), 54 - 9);
    for (const auto &library : report.libraries) {
        if (library.file != QStringLiteral("MSCOMCTL.OCX"))
            continue;
        for (const auto &cls : library.classes) {
            ASSERT_FALSE(cls.created) << qPrintable(cls.className);
            const QString reason = cls.created.failure().explanation();
            EXPECT_TRUE(reason.contains(QStringLiteral("mscomctl.so is missing from"))) << qPrintable(reason);
        }
    }
}

// Gives the module file to a group other than its owner's own, which may write it; skips the test where this
// user belongs to no such group.
void letAnotherGroupWrite(const QDir &dir, const char *module)
{
    const QByteArray path = QFile::encodeName(dir.filePath(QLatin1String(module)));
    const passwd *owner = getpwuid(geteuid());
    const auto isAnother
        = [&](const group *g) { return g && owner && qstrcmp(g->gr_name, owner->pw_name) != 0; };
    gid_t another = 0;
    bool found = false;
    if (geteuid() == 0) {
        for (const char *name : { "users", "adm", "staff", "daemon" }) {
            if (const group *g = getgrnam(name); isAnother(g)) {
                another = g->gr_gid;
                found = true;
                break;
            }
        }
    } else {
        gid_t groups[64];
        const int count = getgroups(64, groups);
        for (int i = 0; i < count && !found; ++i) {
            if (isAnother(getgrgid(groups[i]))) {
                another = groups[i];
                found = true;
            }
        }
    }
    if (!found || ::chown(path.constData(), static_cast<uid_t>(-1), another) != 0)
        GTEST_SKIP() << "this user can give a file to no group but its own";
    ::chmod(path.constData(), 0664);
}

// One way an installation differs from the manifest, set up in a copy of the built modules.
struct Difference {
    const char *name;
    std::function<void(const QDir &)> breakInstallation;
    const char *kind;
    const char *library; // as reported; empty for a file that names no library
    const char *file; // the module file the problem names
    const char *reason;
};
using qv::test::PrintTo;

class ModulesAgainstManifest : public ::testing::TestWithParam<Difference>
{
};

TEST_P(ModulesAgainstManifest, ReportsExactlyThatDifference)
{
    QTemporaryDir root;
    const QDir dir(root.path());
    copyModules(builtModuleDir(), dir);
    GetParam().breakInstallation(dir);
    if (IsSkipped())
        return;

    const std::vector<installation::ModuleProblem> problems = installation::moduleProblems(dir.path());
    ASSERT_EQ(problems.size(), 1u);
    const installation::ModuleProblem &p = problems.front();
    EXPECT_EQ(p.kind, QLatin1String(GetParam().kind));
    EXPECT_EQ(p.libraryFile, QLatin1String(GetParam().library));
    EXPECT_EQ(p.path, dir.filePath(QLatin1String(GetParam().file)));
    EXPECT_TRUE(p.reason.contains(QLatin1String(GetParam().reason))) << qPrintable(p.reason);
}

INSTANTIATE_TEST_SUITE_P(
    Ways, ModulesAgainstManifest,
    ::testing::Values(
        Difference { "Removed",
                     [](const QDir &d) { QFile::remove(d.filePath(QStringLiteral("mscomctl.so"))); },
                     "missing", "MSCOMCTL.OCX", "mscomctl.so", "mscomctl.so is missing from" },
        Difference { "Garbage", [](const QDir &d) { writeBytes(d, "mschrt20.so", QByteArray(4096, '\x5a')); },
                     "unreadable", "MSCHRT20.OCX", "mschrt20.so", "not a loadable control library" },
        Difference { "CutShort",
                     [](const QDir &d) { cutShort(d, "richtx32.so", [](qint64 size) { return size / 2; }); },
                     "unreadable", "RICHTX32.OCX", "richtx32.so", "the file is cut short" },
        Difference { "LoadableSegmentPastTheEnd",
                     [](const QDir &d) {
                         setLoadableSegmentLength(d, "richtx32.so", 0, [](std::uint64_t offset) {
                             return (std::uint64_t(1) << 30) - offset;
                         });
                     },
                     "unreadable", "RICHTX32.OCX", "richtx32.so",
                     "the file is cut short: its loadable segments reach byte 1073741824, the file has " },
        Difference { "WrongVersion",
                     [](const QDir &d) { replaceWith(d, "mscomm32.so", fake("wrong_version")); },
                     "wrong version", "MSCOMM32.OCX", "mscomm32.so",
                     "type library version 1.0, the program needs 1.1" },
        Difference { "ClassLeftOut",
                     [](const QDir &d) { replaceWith(d, "msmapi32.so", fake("missing_class")); },
                     "wrong classes", "MSMAPI32.OCX", "msmapi32.so",
                     "leaves out MSMAPI.MAPIMessages {20C62CAB-15DA-101B-B9A8-444553540000}" },
        Difference { "SecondModuleForALibrary",
                     [](const QDir &d) { replaceWith(d, "zz_second_sysinfo.so", fake("refuses")); }, "extra",
                     "SYSINFO.OCX", "zz_second_sysinfo.so", "a second module for SYSINFO.OCX" },
        Difference { "ModuleWritableByOthers",
                     [](const QDir &d) {
                         QFile(d.filePath(QStringLiteral("msmask32.so")))
                             .setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ReadOther
                                             | QFile::WriteOther);
                     },
                     "unreadable", "MSMASK32.OCX", "msmask32.so",
                     "msmask32.so can be written by others than its owner (mode 0606): every program on the "
                     "machine loads code from there" },
        Difference { "ModuleWritableByAnotherGroup",
                     [](const QDir &d) { letAnotherGroupWrite(d, "picclp32.so"); }, "unreadable",
                     "PICCLP32.OCX", "picclp32.so",
                     "picclp32.so can be written by others than its owner (mode 0664): every program on the "
                     "machine loads code from there" },
        Difference { "StrayFile",
                     [](const QDir &d) { writeBytes(d, "stray.so", QByteArray("not a module")); }, "extra",
                     "", "stray.so", "not one the program uses" }),
    [](const auto &row) { return std::string(row.param.name); });

// Every program on the machine loads code from the module folder: a folder others may write to is refused
// whole, each module named with the reason.
TEST(InstallationCheck, ModuleFolderWritableByOthersIsRefusedWhole)
{
    QTemporaryDir root;
    const QDir dir(root.filePath(QStringLiteral("controls")));
    copyModules(builtModuleDir(), dir);
    ASSERT_TRUE(QFile(dir.path())
                    .setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadOther
                                    | QFile::WriteOther | QFile::ExeOther));

    const std::vector<installation::ModuleProblem> problems = installation::moduleProblems(dir.path());
    ASSERT_EQ(problems.size(), 20u);
    for (const installation::ModuleProblem &p : problems) {
        EXPECT_EQ(p.kind, QStringLiteral("unreadable")) << qPrintable(p.path);
        EXPECT_TRUE(
            p.reason.contains(QStringLiteral("the module folder %1 can be written by others than its owner "
                                             "(mode 0707)")
                                  .arg(dir.path())))
            << qPrintable(p.reason);
    }

    ProgramState state;
    const CheckReport report = checker::checkInstallation(form2Class(state), dir.path());
    EXPECT_EQ(report.createdCount(), 20) << "only the runtime's own classes";
}

// A form whose own Load handler ends the run, or fails: the check keeps what became of every control, and
// says why the form failed.
struct LoadEnding {
    const char *name;
    bool callsEnd; // End, or a failing status
    const char *failure; // what the check's failure begins with
};
using qv::test::PrintTo;

class EndsInItsLoad final : public Form
{
public:
    EndsInItsLoad(Runtime &runtime, bool callsEnd)
        : Form(runtime, form1Layout)
        , callsEnd_(callsEnd)
    {
    }
    Handler handlerFor(std::string_view control, Event event) override
    {
        if (control != "Form" || event != Event::Load)
            return {};
        return [this]() -> Status {
            if (callsEnd_)
                vbaEnd(runtime());
            return status::invalidProcedureCall;
        };
    }

private:
    bool callsEnd_;
};

class FormEndingInItsLoad : public ::testing::TestWithParam<LoadEnding>
{
};

TEST_P(FormEndingInItsLoad, KeepsEveryControlAndSaysWhy)
{
    const bool callsEnd = GetParam().callsEnd;
    const FormClass formClass { [callsEnd](Runtime &runtime) {
        return new EndsInItsLoad(runtime, callsEnd);
    } };

    const installation::FormCheck check = installation::checkForm(formClass, builtModuleDir());
    ProgramDriver::settle();

    ASSERT_EQ(check.controls.size(), form1Layout.controls.size());
    for (const installation::ControlOutcome &control : check.controls)
        EXPECT_TRUE(control.created) << qPrintable(control.control + QStringLiteral(": ") + control.reason);
    EXPECT_TRUE(check.failure.startsWith(QLatin1String(GetParam().failure))) << qPrintable(check.failure);
    EXPECT_TRUE(QApplication::topLevelWidgets().isEmpty()) << "the form is gone with the run";
}

INSTANTIATE_TEST_SUITE_P(
    Endings, FormEndingInItsLoad,
    ::testing::Values(LoadEnding { "End", true, "the forms runtime ended the run while Form1 loaded" },
                      LoadEnding {
                          "FailingStatus", false,
                          "Run-time error '5':\n\nInvalid procedure call or argument\n\nObject: Form1" }),
    rowName);

} // namespace
} // namespace qv::test
