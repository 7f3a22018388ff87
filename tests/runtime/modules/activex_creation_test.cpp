// ActiveX classes created through the runtime from the modules as built, and every way that can fail.

#include "controls/interface/settings_block.h"
#include "manifest/manifest.h"
#include "runtime/core/control_private.h"
#include "runtime/core/form_private.h"
#include "runtime/core/test_seams.h"
#include "runtime/start/standard_runtime.h"
#include "support/broken_modules.h"
#include "support/control_module.h"
#include "support/library_layout.h"
#include "support/named_rows.h"
#include "support/recording_host.h"
#include <quorvane/form.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <csignal>
#include <deque>
#include <functional>
#include <ostream>
#include <sys/wait.h>

namespace qv::test
{
namespace
{

QString latin1(std::string_view s)
{
    return QString::fromLatin1(s.data(), static_cast<qsizetype>(s.size()));
}

class ActiveXCreation : public ::testing::Test
{
protected:
    ~ActiveXCreation() override
    {
        form.reset();
        runtime.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    void startRuntime(const QString &moduleDir)
    {
        runtime = std::make_unique<StandardRuntime>(host, moduleDir);
    }
    Form &makeForm(const FormDescription &description)
    {
        form = runtime->adoptForm(new Form(*runtime, description));
        return *form;
    }

    RecordingHost host;
    std::unique_ptr<StandardRuntime> runtime;
    ObjRef<Form> form;
};

TEST_F(ActiveXCreation, InstalledModulesAndManifestAgree)
{
    InstalledModules modules(builtModuleDir());
    EXPECT_TRUE(modules.unreadable().empty());
    EXPECT_EQ(modules.modules().size(), manifest::libraries().size());
    for (const manifest::ClassRecord &c : manifest::classes()) {
        int declaredBy = 0;
        for (const ModuleInfo &m : modules.modules()) {
            if (const ModuleClass *mc = m.findClass(latin1(c.clsid))) {
                ++declaredBy;
                EXPECT_EQ(m.libraryFile, latin1(c.libraryFile)) << c.progId;
                EXPECT_EQ(mc->progId, latin1(c.progId));
                EXPECT_EQ(mc->visible, c.visible) << c.progId;
            }
        }
        EXPECT_EQ(declaredBy, 1) << c.progId;
    }
    for (const ModuleInfo &m : modules.modules()) {
        for (const ModuleClass &mc : m.classes)
            EXPECT_NE(manifest::findClass(mc.progId.toStdString()), nullptr)
                << qPrintable(mc.progId) << " is not in the manifest";
    }
}

// The modules in the build tree, and as `cmake --install` lays them out beside the installed program.
class EveryClass : public ActiveXCreation, public ::testing::WithParamInterface<const char *>
{
};

TEST_P(EveryClass, IsCreatedByProgrammaticIdentifier)
{
    const QString moduleDir = QLatin1String(GetParam()) == QLatin1String("BuildTree")
        ? builtModuleDir()
        : QStringLiteral(QUORVANE_TEST_INSTALL_PREFIX "/" QUORVANE_TEST_CONTROLS_SUBDIR);
    ASSERT_TRUE(QDir(moduleDir).exists()) << qPrintable(moduleDir);
    startRuntime(moduleDir);
    TestLayout layout;
    int i = 0;
    for (const manifest::ClassRecord &c : manifest::classes()) {
        const auto left = static_cast<Twips>((i % 6) * 2200);
        const auto top = static_cast<Twips>((i / 6) * 1500);
        layout.add(c.instance, c.progId, left, top, 2000, 1200, defaultBlock(c, 2000, 1200));
        ++i;
    }
    Form &probe = makeForm(layout.description);
    ASSERT_EQ(probe.Show(), status::ok)
        << qPrintable(runtime->takeErrorObject().creation.value_or(CreationFailure {}).reason);
    ASSERT_EQ(controlsOf(probe).size(), 34u);
    for (const auto &control : controlsOf(probe)) {
        const manifest::ClassRecord *c = manifest::findClass(std::get<ProgId>(recordOf(*control).cls).text);
        if (c->visible) {
            ASSERT_NE(widgetOf(*control), nullptr) << c->progId;
            const ControlRecord &r = recordOf(*control);
            EXPECT_EQ(widgetOf(*control)->geometry(),
                      runtime->scale().toPixels(r.left, r.top, r.width, r.height))
                << c->progId;
            EXPECT_EQ(widgetOf(*control)->parentWidget(), windowOf(probe)) << c->progId;
        } else {
            EXPECT_EQ(widgetOf(*control), nullptr) << c->progId;
            EXPECT_NE(objectOf(*control), nullptr) << c->progId;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Trees, EveryClass, ::testing::Values("BuildTree", "Installed"),
                         [](const auto &row) { return std::string(row.param); });

// A block that names a property its control does not have fails the creation, naming it: a misspelt name is
// never dropped without a word.
TEST_F(ActiveXCreation, EveryClassRefusesAPropertyItDoesNotHave)
{
    startRuntime(builtModuleDir());
    std::deque<TestLayout> layouts;
    for (const manifest::ClassRecord &c : manifest::classes()) {
        TestLayout &layout = layouts.emplace_back();
        layout.add("Victim1", c.progId, 120, 120, 2000, 1200,
                   defaultBlock(c, 2000, 1200, std::array { settings::Property::integer("Valeu", 3) }));
        Form &probe = makeForm(layout.description);
        EXPECT_EQ(probe.Show(), status::cannotCreateObject) << c.progId;
        const ErrorInfo info = runtime->takeErrorObject();
        EXPECT_TRUE(info.creation && info.creation->reason.contains(u"Valeu is no property of this control"))
            << c.progId << ": " << qPrintable(info.creation.value_or(qv::CreationFailure {}).reason);
    }
}

// The ways a class cannot be created, each set up in a copy of the installed modules.
struct Failure {
    const char *name;
    const char *progId;
    std::function<void(const QDir &)> breakInstallation;
    const char *reason;
    std::vector<unsigned char> block = {}; // empty: a well-formed one
};
using qv::test::PrintTo;

class CreationFailure : public ActiveXCreation, public ::testing::WithParamInterface<Failure>
{
};

TEST_P(CreationFailure, FailsWithItsReasonAndLeavesNothing)
{
    QTemporaryDir installed;
    const QDir dir(installed.path());
    copyModules(builtModuleDir(), dir);
    GetParam().breakInstallation(dir);
    startRuntime(dir.path());

    const manifest::ClassRecord *c = manifest::findClass(GetParam().progId);
    TestLayout layout;
    std::vector<std::byte> block;
    if (!GetParam().block.empty())
        block = std::vector<std::byte>(
            reinterpret_cast<const std::byte *>(GetParam().block.data()),
            reinterpret_cast<const std::byte *>(GetParam().block.data() + GetParam().block.size()));
    else if (c)
        block = defaultBlock(*c, 2000, 1200);
    layout.add("Victim1", GetParam().progId, 120, 120, 2000, 1200, block);

    Form &probe = makeForm(layout.description);
    EXPECT_EQ(probe.Show(), status::cannotCreateObject);
    EXPECT_FALSE(isLoaded(probe));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(probeOf(*runtime).liveControls(), 0);

    const ErrorInfo info = runtime->takeErrorObject();
    ASSERT_TRUE(info.creation.has_value());
    EXPECT_EQ(info.creation->controlName, QStringLiteral("Victim1"));
    EXPECT_EQ(info.creation->className, QLatin1String(GetParam().progId));
    if (c) {
        EXPECT_EQ(info.creation->clsid, latin1(c->clsid));
        EXPECT_EQ(info.creation->libraryFile, latin1(c->libraryFile));
    }
    EXPECT_TRUE(info.creation->reason.contains(QLatin1String(GetParam().reason)))
        << qPrintable(info.creation->reason);
}

const auto nothing = [](const QDir &) {};

INSTANTIATE_TEST_SUITE_P(
    Ways, CreationFailure,
    ::testing::Values(
        Failure { "ModuleRemoved", "MSCommLib.MSComm",
                  [](const QDir &d) { QFile::remove(d.filePath(QStringLiteral("mscomm32.so"))); },
                  "mscomm32.so is missing from" },
        Failure { "ModuleIsGarbage", "MSCommLib.MSComm",
                  [](const QDir &d) { writeBytes(d, "mscomm32.so", QByteArray(4096, '\x5a')); },
                  "not a loadable control library" },
        Failure { "ModuleTruncated", "MSCommLib.MSComm",
                  [](const QDir &d) { cutShort(d, "mscomm32.so", [](qint64) { return qint64(2000); }); },
                  "not a loadable control library" },
        Failure { "ModuleCutInHalf", "MSCommLib.MSComm",
                  [](const QDir &d) { cutShort(d, "mscomm32.so", [](qint64 size) { return size / 2; }); },
                  "the file is cut short" },
        Failure {
            "LoadableSegmentPastTheEnd", "MSCommLib.MSComm",
            [](const QDir &d) {
                setLoadableSegmentLength(d, "mscomm32.so", 0, [](std::uint64_t offset) {
                    return (std::uint64_t(1) << 30) - offset;
                });
            },
            "is not a loadable control library: the file is cut short: its loadable segments reach byte "
            "1073741824, the file has " },
        // Added to its offset, the length wraps around to a small number: the segment still reaches past the
        // end.
        Failure {
            "LoadableSegmentLengthWraps", "MSCommLib.MSComm",
            [](const QDir &d) {
                setLoadableSegmentLength(d, "mscomm32.so", 1,
                                         [](std::uint64_t offset) { return std::uint64_t(64) - offset; });
            },
            "is not a loadable control library: the file is cut short: its loadable segments reach byte "
            "18446744073709551615, the file has " },
        Failure { "WrongVersion", "MSCommLib.MSComm",
                  [](const QDir &d) { replaceWith(d, "mscomm32.so", fake("wrong_version")); },
                  "type library version 1.0, the program needs 1.1" },
        Failure {
            "OlderModuleInterface", "MSCommLib.MSComm",
            [](const QDir &d) { replaceWith(d, "mscomm32.so", fake("older_interface")); },
            "it implements version 1.0 of the control library interface, and this runtime needs version "
            "2.0" },
        Failure { "MemberNoProgramCanUse", "MSCommLib.MSComm",
                  [](const QDir &d) { replaceWith(d, "mscomm32.so", fake("undrivable")); },
                  "the module mscomm32.so describes MSCommLib.MSComm with a member no program can use: its "
                  "property Bounds is a QRect, which a program cannot hold (the module must be mended)" },
        Failure { "PluginOfAnotherKind", "MSCommLib.MSComm",
                  [](const QDir &d) { replaceWith(d, "mscomm32.so", fake("another_kind")); },
                  "it is a plugin for org.example.Thumbnailer/1.0, not a control library" },
        Failure { "ClassLeftOutOfMetadata", "MSMAPI.MAPIMessages",
                  [](const QDir &d) { replaceWith(d, "msmapi32.so", fake("missing_class")); },
                  "does not provide the class" },
        Failure { "SiblingLeftOutOfMetadata", "MSMAPI.MAPISession",
                  [](const QDir &d) { replaceWith(d, "msmapi32.so", fake("missing_class")); },
                  "leaves out MSMAPI.MAPIMessages {20C62CAB-15DA-101B-B9A8-444553540000}" },
        Failure { "MissingDependency", "PicClip.PictureClip",
                  [](const QDir &d) { replaceWith(d, "picclp32.so", fake("needs_dependency")); },
                  "libfake_dependency.so" },
        Failure { "ModuleMakesNothing", "SysInfoLib.SysInfo",
                  [](const QDir &d) { replaceWith(d, "sysinfo.so", fake("refuses")); },
                  "could not make an instance: this test module makes no" },
        Failure { "WindowForAnInvisibleClass", "MSWinsockLib.Winsock",
                  [](const QDir &d) { replaceWith(d, "mswinsck.so", fake("windowed_invisible")); },
                  "a windowed instance" },
        Failure { "MalformedBlock",
                  "TabDlg.SSTab",
                  nothing,
                  "marker",
                  { 0x00, 0x43, 0x34, 0x12, 8, 0, 0, 0, 1, 0, 0, 0, 1, 0, 0, 0, 0, 0 } },
        Failure { "ShortBlock", "MSMask.MaskEdBox", nothing, "16-byte head", { 0x21, 0x43, 0x34, 0x12 } },
        Failure { "NotInManifest", "Nowhere.Thing", nothing, "not in the control manifest" }),
    [](const auto &row) { return std::string(row.param.name); });

// A module whose code crashes or ends the process in a program's own window load cannot be survived there;
// the program must not end without a word: one line on standard error names the module file and the class
// being created.
struct ModuleEnding {
    const char *fault; // the test module, tests/plugins/faulty/<fault>
    int signal; // the signal that ends the process, or 0 when the module calls exit(0)
    const char *said; // the line on standard error, a regular expression
};
void PrintTo(const ModuleEnding &e, std::ostream *os)
{
    *os << e.fault;
}

class ModuleCodeEndsTheProcess : public ActiveXCreation, public ::testing::WithParamInterface<ModuleEnding>
{
};

#if defined(__SANITIZE_ADDRESS__)
constexpr bool instrumented = true;
#elif defined(__has_feature)
constexpr bool instrumented = __has_feature(address_sanitizer);
#else
constexpr bool instrumented = false;
#endif

TEST_P(ModuleCodeEndsTheProcess, NamesTheModuleAndTheClass)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    QTemporaryDir dir;
    copyModules(builtModuleDir(), QDir(dir.path()));
    replaceWith(QDir(dir.path()), "mscomct2.so", faulty(GetParam().fault));
    const int signal = GetParam().signal;
    // The instrumented build's sanitizer takes a crash over and ends the process its own way, after the line.
    const auto ended = [signal](int status) {
        if (signal == 0)
            return WIFEXITED(status) && (WEXITSTATUS(status) == 0 || instrumented); // leaks reported at exit
        return (WIFSIGNALED(status) && WTERMSIG(status) == signal)
            || (instrumented && WIFEXITED(status) && WEXITSTATUS(status) != 0);
    };
    EXPECT_EXIT(
        {
            startRuntime(dir.path());
            // Another module's control first: the watch set for the load still stands for the next one.
            TestLayout layout;
            const manifest::ClassRecord &progress = *manifest::findClass("MSComctlLib.ProgressBar");
            layout.add("ProgressBar1", progress.progId, 0, 1500, 2000, 600,
                       defaultBlock(progress, 2000, 600));
            const manifest::ClassRecord &updown = *manifest::findClass("MSComCtl2.UpDown");
            layout.add("UpDown1", updown.progId, 0, 0, 2000, 1200, defaultBlock(updown, 2000, 1200));
            (void)makeForm(layout.description).Show();
            std::exit(3); // not reached: the module's code ends the process
        },
        ended, GetParam().said);
}

INSTANTIATE_TEST_SUITE_P(
    Faults, ModuleCodeEndsTheProcess,
    ::testing::Values(
        ModuleEnding { "null_write", SIGSEGV,
                       "the control library module .*/mscomct2\\.so crashed with SIGSEGV while creating "
                       "MSComCtl2\\.UpDown\n" },
        ModuleEnding { "abort_at_load", SIGABRT,
                       "the control library module .*/mscomct2\\.so crashed with SIGABRT while creating "
                       "MSComCtl2\\.UpDown\n" },
        ModuleEnding { "exit_in_create", 0,
                       "the control library module .*/mscomct2\\.so ended the process while creating "
                       "MSComCtl2\\.UpDown\n" }),
    [](const auto &row) { return std::string(row.param.fault); });

// The watch's handlers stand in for the program's only while modules may run, set once for a whole load:
// the program's own handling is in place while its Load handler runs and after the load, whether the load
// succeeded or failed at a later control; a handler the program sets in its Load handler is the one kept.
struct HandlerCase {
    const char *name;
    const char *secondClass; // the second control's class: another module's, or one no library has
    bool loadHandlerSetsItsOwn;
};

void programsHandler(int) { }
void setInTheLoadHandler(int) { }

class ProgramsOwnSignalHandling : public ActiveXCreation, public ::testing::WithParamInterface<HandlerCase>
{
protected:
    // A window whose Load handler runs `load`.
    class WithLoadHandler final : public Form
    {
    public:
        WithLoadHandler(Runtime &runtime, const FormDescription &description, std::function<void()> load)
            : Form(runtime, description)
            , load_(std::move(load))
        {
        }
        Handler handlerFor(std::string_view control, Event event) override
        {
            if (control != "Form" || event != Event::Load)
                return {};
            return [this] {
                load_();
                return status::ok;
            };
        }

    private:
        std::function<void()> load_;
    };

    static sighandler_t handlerOf(int signal)
    {
        struct sigaction now {
        };
        ::sigaction(signal, nullptr, &now);
        return now.sa_handler;
    }
};

TEST_P(ProgramsOwnSignalHandling, IsInPlaceWhileItsCodeRunsAndAfterTheLoad)
{
    struct sigaction own {
    };
    own.sa_handler = programsHandler;
    sigemptyset(&own.sa_mask);
    struct sigaction ignored {
    };
    ignored.sa_handler = SIG_IGN;
    struct sigaction segvBefore {
    }, termBefore {}, intBefore {};
    ASSERT_EQ(::sigaction(SIGSEGV, &own, &segvBefore), 0);
    ASSERT_EQ(::sigaction(SIGTERM, &own, &termBefore), 0);
    ASSERT_EQ(::sigaction(SIGINT, &ignored, &intBefore), 0);

    startRuntime(builtModuleDir());
    TestLayout layout;
    const manifest::ClassRecord &updown = *manifest::findClass("MSComCtl2.UpDown");
    layout.add("UpDown1", updown.progId, 0, 0, 2000, 1200, defaultBlock(updown, 2000, 1200));
    const manifest::ClassRecord *second = manifest::findClass(GetParam().secondClass);
    layout.add("Second1", GetParam().secondClass, 0, 1500, 2000, 1200,
               second ? defaultBlock(*second, 2000, 1200) : std::vector<std::byte> {});
    sighandler_t seenInLoad = nullptr;
    const bool setsItsOwn = GetParam().loadHandlerSetsItsOwn;
    form = runtime->adoptForm(new WithLoadHandler(*runtime, layout.description, [&] {
        seenInLoad = handlerOf(SIGSEGV);
        if (setsItsOwn) {
            struct sigaction its {
            };
            its.sa_handler = setInTheLoadHandler;
            sigemptyset(&its.sa_mask);
            ::sigaction(SIGSEGV, &its, nullptr);
        }
    }));
    const Status shown = form->Show();

    if (second) {
        EXPECT_EQ(shown, status::ok);
        EXPECT_EQ(seenInLoad, &programsHandler) << "the Load handler runs with the program's own handler";
    } else {
        EXPECT_NE(shown, status::ok) << "a class no library has fails the load";
    }
    EXPECT_EQ(handlerOf(SIGSEGV), setsItsOwn && second ? &setInTheLoadHandler : &programsHandler);
    EXPECT_EQ(handlerOf(SIGTERM), &programsHandler);
    EXPECT_EQ(handlerOf(SIGINT), SIG_IGN) << "an ignored signal stays ignored";
    ::sigaction(SIGSEGV, &segvBefore, nullptr);
    ::sigaction(SIGTERM, &termBefore, nullptr);
    ::sigaction(SIGINT, &intBefore, nullptr);
}

INSTANTIATE_TEST_SUITE_P(
    Loads, ProgramsOwnSignalHandling,
    ::testing::Values(HandlerCase { "TwoModules", "MSComctlLib.ProgressBar", false },
                      HandlerCase { "LoadHandlerSetsItsOwn", "MSComctlLib.ProgressBar", true },
                      HandlerCase { "FailingAtTheSecondControl", "Nowhere.Thing", false }),
    [](const auto &row) { return std::string(row.param.name); });

} // namespace
} // namespace qv::test
