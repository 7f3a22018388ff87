// quorvane-check as an administrator runs it: a copy of the installed program and its modules, started as a
// process, read by its output and exit status.
#include "manifest/manifest.h"
#include "runtime/modules/installed_modules.h"
#include "support/broken_modules.h"
#include "support/check_json.h"
#include "support/named_rows.h"
#include <quorvane/installation.h>

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <functional>
#include <ostream>
#include <set>

namespace qv::test
{
namespace
{

QString latin1(std::string_view s)
{
    return QString::fromLatin1(s.data(), static_cast<qsizetype>(s.size()));
}

struct ProcessRun {
    int exitCode = -1;
    QString out;
    QString err;
};

// What one run says of each library and class, from either form of the report.
struct Facts {
    std::set<QString> createdClasses;
    std::set<QString> failedClasses;
    QStringList failedLibraries;
    std::set<QString> missingModules;
    bool operator==(const Facts &) const = default;
};

Facts factsFromText(const QString &text)
{
    Facts facts;
    static const QRegularExpression classLine(
        QStringLiteral("^  class (\\S+) \\([^)]*\\): (created|not created: .*)$"));
    static const QRegularExpression missingLine(QStringLiteral("^  missing (\\S+): "));
    static const QRegularExpression summary(QStringLiteral("^Summary: .*failed libraries: ([^;]*)"));
    for (const QString &line : text.split(QLatin1Char('\n'))) {
        if (const auto m = classLine.match(line); m.hasMatch())
            (m.captured(2) == QStringLiteral("created") ? facts.createdClasses : facts.failedClasses)
                .insert(m.captured(1));
        else if (const auto m2 = missingLine.match(line); m2.hasMatch())
            facts.missingModules.insert(m2.captured(1));
        else if (const auto m3 = summary.match(line); m3.hasMatch())
            facts.failedLibraries = m3.captured(1).split(QStringLiteral(", "));
    }
    return facts;
}

Facts factsFromJson(const QJsonObject &document)
{
    Facts facts;
    for (const QJsonValue library : document[QStringLiteral("libraries")].toArray()) {
        for (const QJsonValue cls : library[QStringLiteral("classes")].toArray())
            (cls[QStringLiteral("created")].toBool() ? facts.createdClasses : facts.failedClasses)
                .insert(cls[QStringLiteral("class")].toString());
    }
    for (const QJsonValue name :
         document[QStringLiteral("summary")][QStringLiteral("failedLibraries")].toArray())
        facts.failedLibraries << name.toString();
    for (const QJsonValue problem : document[QStringLiteral("moduleProblems")].toArray()) {
        if (problem[QStringLiteral("kind")].toString() == QStringLiteral("missing"))
            facts.missingModules.insert(problem[QStringLiteral("library")].toString());
    }
    return facts;
}

class CheckProgram : public ::testing::Test
{
protected:
    // A copy of the installed tree: the program in bin/, the runtime library it links, and the modules where
    // the library looks for them.
    void SetUp() override
    {
        ASSERT_TRUE(root.isValid());
        const QDir installed(QStringLiteral(QUORVANE_TEST_INSTALL_PREFIX));
        ASSERT_TRUE(QDir(root.path()).mkpath(QStringLiteral(QUORVANE_TEST_BIN_SUBDIR)));
        program = root.filePath(QStringLiteral(QUORVANE_TEST_BIN_SUBDIR "/quorvane-check"));
        ASSERT_TRUE(QFile::copy(
            installed.filePath(QStringLiteral(QUORVANE_TEST_BIN_SUBDIR "/quorvane-check")), program))
            << "quorvane-check is not installed in " << qPrintable(installed.path());
        const QString library = QStringLiteral(QUORVANE_TEST_LIB_SUBDIR "/" QUORVANE_TEST_RUNTIME_SONAME);
        ASSERT_TRUE(QDir(root.path()).mkpath(QStringLiteral(QUORVANE_TEST_LIB_SUBDIR)));
        ASSERT_TRUE(QFile::copy(installed.filePath(library), root.filePath(library))) << qPrintable(library);
        modules = QDir(root.filePath(QStringLiteral(QUORVANE_TEST_CONTROLS_SUBDIR)));
        copyModules(installed.filePath(QStringLiteral(QUORVANE_TEST_CONTROLS_SUBDIR)), modules);
    }

    ProcessRun run(const QStringList &arguments, const QProcessEnvironment &extra = {},
                   const QString &folder = {}) const
    {
        QProcess process;
        // The program must not need a display: none is given.
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.remove(QStringLiteral("DISPLAY"));
        environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
        // In the instrumented build the sanitizer would catch a module's crash and end the process its own
        // way; here the check itself must see the signal, as it does on a user's machine.
        environment.insert(
            QStringLiteral("ASAN_OPTIONS"),
            environment.value(QStringLiteral("ASAN_OPTIONS"))
                + QStringLiteral(":handle_segv=0:handle_sigbus=0:handle_sigill=0:handle_sigfpe=0"
                                 ":handle_abort=0:detect_leaks=0"));
        for (const QString &name : extra.keys())
            environment.insert(name, extra.value(name));
        process.setProcessEnvironment(environment);
        if (!folder.isEmpty())
            process.setWorkingDirectory(folder);
        process.start(program, arguments);
        EXPECT_TRUE(process.waitForFinished(120000)) << qPrintable(program);
        return { process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
                 QString::fromUtf8(process.readAllStandardOutput()),
                 QString::fromUtf8(process.readAllStandardError()) };
    }

    // Runs with --json: the exit status must be as expected and the output one JSON document.
    QJsonObject runJson(int expectedExit) const
    {
        const ProcessRun r = run({ QStringLiteral("--json") });
        EXPECT_EQ(r.exitCode, expectedExit) << qPrintable(r.err);
        EXPECT_TRUE(holdsToSchema(r.out.toUtf8(), "report"));
        QJsonParseError error;
        const QJsonDocument document = QJsonDocument::fromJson(r.out.toUtf8(), &error);
        EXPECT_EQ(error.error, QJsonParseError::NoError) << qPrintable(error.errorString());
        return document.object();
    }

    QTemporaryDir root;
    QString program;
    QDir modules;
};

TEST_F(CheckProgram, FullInstallationReportsEveryClassCreatedAndExitsZero)
{
    const ProcessRun text = run({});
    EXPECT_EQ(text.exitCode, 0) << qPrintable(text.out + text.err);
    EXPECT_TRUE(text.out.contains(QStringLiteral(": all 20 present, none extra, none of another version\n")));
    EXPECT_TRUE(text.out.endsWith(QStringLiteral(
        "Summary: all 54 classes created; the forms runtime and all 20 control libraries work.\n")));
    const Facts facts = factsFromText(text.out);
    EXPECT_EQ(facts.createdClasses.size(), 54u);
    EXPECT_TRUE(facts.failedClasses.empty());
    EXPECT_EQ(text.out.count(QRegularExpression(QStringLiteral("(?m)^library \\S+ \\(.*\\): created, "))),
              21);

    // Which runtime the machine has: the library the program ran with, and its version.
    const QString library
        = QFileInfo(root.filePath(QStringLiteral(QUORVANE_TEST_LIB_SUBDIR "/" QUORVANE_TEST_RUNTIME_SONAME)))
              .canonicalFilePath();
    EXPECT_TRUE(text.out.contains(
        QStringLiteral("Runtime library %1, version " QUORVANE_TEST_VERSION "\n").arg(library)))
        << qPrintable(text.out.left(400));

    const QJsonObject document = runJson(0);
    EXPECT_EQ(document[QStringLiteral("runtime")][QStringLiteral("path")].toString(), library);
    EXPECT_EQ(document[QStringLiteral("runtime")][QStringLiteral("version")].toString(),
              QStringLiteral(QUORVANE_TEST_VERSION));
    EXPECT_TRUE(document[QStringLiteral("allCreated")].toBool());
    EXPECT_EQ(document[QStringLiteral("summary")][QStringLiteral("created")].toInt(), 54);
    EXPECT_EQ(factsFromJson(document), facts);
}

// The runtime library looks for its modules beside itself, wherever the program lives and whatever folder it
// runs from: here the library and its modules are in a folder of their own, apart from the program, and a
// folder of broken modules stands where a careless search would look.
struct Decoy {
    const char *name;
    // Lays out the decoy under the test's root; may name a current folder and environment to run with.
    std::function<void(const QDir &root, QString &folder, QProcessEnvironment &environment)> place;
};
using qv::test::PrintTo;

// Every module of the manifest, as broken files, in `dir`.
void brokenModulesIn(const QDir &dir)
{
    ASSERT_TRUE(dir.mkpath(QStringLiteral(".")));
    for (const manifest::LibraryRecord &library : manifest::libraries())
        writeBytes(dir, qPrintable(InstalledModules::moduleFileName(latin1(library.file))),
                   QByteArray("decoy"));
}

class DecoyModules : public CheckProgram, public ::testing::WithParamInterface<Decoy>
{
protected:
    void SetUp() override
    {
        CheckProgram::SetUp();
        // The runtime and its modules moved to a folder of their own; the program finds the library there.
        const QDir lib(root.filePath(QStringLiteral(QUORVANE_TEST_LIB_SUBDIR)));
        ASSERT_TRUE(QDir().rename(lib.path(), runtimeDir()));
    }
    QString runtimeDir() const { return root.filePath(QStringLiteral("runtime-elsewhere")); }
};

TEST_P(DecoyModules, AreIgnoredForTheFolderBesideTheRuntime)
{
    QString folder = root.path();
    QProcessEnvironment environment;
    GetParam().place(QDir(root.path()), folder, environment);
    environment.insert(QStringLiteral("LD_LIBRARY_PATH"),
                       runtimeDir()
                           + (environment.contains(QStringLiteral("LD_LIBRARY_PATH"))
                                  ? QLatin1Char(':') + environment.value(QStringLiteral("LD_LIBRARY_PATH"))
                                  : QString()));

    const ProcessRun r = run({ QStringLiteral("--json") }, environment, folder);
    EXPECT_EQ(r.exitCode, 0) << qPrintable(r.out + r.err);
    EXPECT_TRUE(holdsToSchema(r.out.toUtf8(), "report"));
    const QJsonObject document = QJsonDocument::fromJson(r.out.toUtf8()).object();
    const QString expected = QDir(runtimeDir()).canonicalPath();
    EXPECT_EQ(document[QStringLiteral("moduleDirectory")].toString(),
              expected + QStringLiteral("/" QUORVANE_TEST_CONTROLS_BESIDE_RUNTIME));
    EXPECT_EQ(document[QStringLiteral("runtime")][QStringLiteral("path")].toString(),
              expected + QStringLiteral("/" QUORVANE_TEST_RUNTIME_SONAME))
        << "the library's own file, not a link to it";
    EXPECT_TRUE(document[QStringLiteral("moduleProblems")].toArray().isEmpty());
    EXPECT_TRUE(document[QStringLiteral("allCreated")].toBool());
}

INSTANTIATE_TEST_SUITE_P(
    Places, DecoyModules,
    ::testing::Values(
        Decoy { "BesideTheProgram",
                [](const QDir &root, QString &, QProcessEnvironment &) {
                    brokenModulesIn(QDir(root.filePath(QStringLiteral(QUORVANE_TEST_CONTROLS_SUBDIR))));
                    brokenModulesIn(QDir(root.filePath(
                        QStringLiteral(QUORVANE_TEST_BIN_SUBDIR "/" QUORVANE_TEST_CONTROLS_BESIDE_RUNTIME))));
                } },
        Decoy { "InTheCurrentFolder",
                [](const QDir &root, QString &folder, QProcessEnvironment &) {
                    folder = root.filePath(QStringLiteral("somewhere"));
                    brokenModulesIn(QDir(folder + QStringLiteral("/" QUORVANE_TEST_CONTROLS_BESIDE_RUNTIME)));
                    brokenModulesIn(QDir(folder + QStringLiteral("/" QUORVANE_TEST_CONTROLS_SUBDIR)));
                    brokenModulesIn(QDir(folder));
                } },
        Decoy { "NamedByTheEnvironment",
                [](const QDir &root, QString &, QProcessEnvironment &environment) {
                    const QString decoys = root.filePath(QStringLiteral("decoys"));
                    brokenModulesIn(QDir(decoys));
                    for (const char *name :
                         { "QT_PLUGIN_PATH", "QUORVANE_CONTROLS", "QUORVANE_MODULES", "LD_LIBRARY_PATH" })
                        environment.insert(QLatin1String(name), decoys);
                } }),
    [](const auto &row) { return std::string(row.param.name); });

// Each library's module removed in turn: that library is named, every other one is still checked.
class OneModuleRemoved : public CheckProgram, public ::testing::WithParamInterface<int>
{
};

TEST_P(OneModuleRemoved, NamesThatLibraryCreatesTheOthersAndExitsOne)
{
    const manifest::LibraryRecord &library = manifest::libraries()[static_cast<std::size_t>(GetParam())];
    const QString file = latin1(library.file);
    const QString module = InstalledModules::moduleFileName(file);
    ASSERT_TRUE(QFile::remove(modules.filePath(module)));

    const ProcessRun text = run({});
    EXPECT_EQ(text.exitCode, 1) << qPrintable(text.out + text.err);
    const Facts facts = factsFromText(text.out);
    EXPECT_EQ(facts.failedLibraries, QStringList { file });
    EXPECT_EQ(facts.missingModules, std::set<QString> { file });
    const int classes = static_cast<int>(manifest::classesOf(library.file).size());
    EXPECT_EQ(facts.failedClasses.size(), static_cast<std::size_t>(classes));
    EXPECT_EQ(facts.createdClasses.size(), static_cast<std::size_t>(54 - classes));
    EXPECT_TRUE(text.out.contains(QStringLiteral("library %1 (").arg(file)));
    EXPECT_TRUE(text.out.contains(QStringLiteral("): FAILED, 0 of %1 classes created\n").arg(classes)));
    EXPECT_EQ(text.out.count(QRegularExpression(QStringLiteral("(?m)^library \\S+ \\(.*\\): created, "))),
              20);
    EXPECT_TRUE(text.out.contains(QStringLiteral("%1 is missing from %2").arg(module, modules.path())));

    const QJsonObject document = runJson(1);
    EXPECT_FALSE(document[QStringLiteral("allCreated")].toBool());
    EXPECT_EQ(factsFromJson(document), facts);
}

INSTANTIATE_TEST_SUITE_P(EachLibrary, OneModuleRemoved, ::testing::Range(0, 20), [](const auto &row) {
    const std::string_view file = manifest::libraries()[static_cast<std::size_t>(row.param)].file;
    return std::string(file.substr(0, file.find('.')));
});

TEST_F(CheckProgram, ListLibrariesIsTheManifestInOrderWithEachModule)
{
    const ProcessRun text = run({ QStringLiteral("--list-libraries") });
    EXPECT_EQ(text.exitCode, 0) << qPrintable(text.err);
    const ProcessRun json = run({ QStringLiteral("--list-libraries"), QStringLiteral("--json") });
    EXPECT_EQ(json.exitCode, 0) << qPrintable(json.err);
    EXPECT_TRUE(holdsToSchema(json.out.toUtf8(), "libraryList"));
    const QJsonArray listed
        = QJsonDocument::fromJson(json.out.toUtf8())[QStringLiteral("libraries")].toArray();

    QStringList expected;
    for (std::string_view file : manifest::setupPackageFiles()) {
        const QString name = latin1(file);
        const bool formsRuntime = file == manifest::formsRuntimeFile;
        expected << name + QLatin1Char('\t')
                + (formsRuntime ? QStringLiteral("(built in)") : InstalledModules::moduleFileName(name));
    }
    EXPECT_EQ(text.out, expected.join(QLatin1Char('\n')) + QLatin1Char('\n'));

    ASSERT_EQ(listed.size(), expected.size());
    for (qsizetype i = 0; i < listed.size(); ++i)
        EXPECT_EQ(listed[i][QStringLiteral("file")].toString(), expected[i].section(QLatin1Char('\t'), 0, 0));
}

// The reference: every class of the manifest, in its order, described by its installed module; a class whose
// module is gone is still listed, with the reason, and the exit status says one could not be described.
TEST_F(CheckProgram, DescribeListsEveryClassOfTheManifestAndSaysWhichItCannotDescribe)
{
    ASSERT_TRUE(
        QFile::remove(modules.filePath(InstalledModules::moduleFileName(QStringLiteral("PICCLP32.OCX")))));
    const ProcessRun r = run({ QStringLiteral("--describe"), QStringLiteral("--json") });
    EXPECT_EQ(r.exitCode, 1) << qPrintable(r.err);
    EXPECT_TRUE(holdsToSchema(r.out.toUtf8(), "classList"));
    const QJsonArray described = QJsonDocument::fromJson(r.out.toUtf8())[QStringLiteral("classes")].toArray();

    QStringList expected;
    for (const installation::LibraryEntry &library : installation::libraries()) {
        for (const installation::ClassEntry &cls : library.classes)
            expected << cls.className;
    }
    ASSERT_EQ(described.size(), expected.size());
    for (qsizetype i = 0; i < described.size(); ++i) {
        const QJsonValue cls = described[i];
        EXPECT_EQ(cls[QStringLiteral("class")].toString(), expected[i]);
        const bool gone = cls[QStringLiteral("library")].toString() == QLatin1String("PICCLP32.OCX");
        EXPECT_EQ(cls[QStringLiteral("members")].toArray().isEmpty(), gone) << qPrintable(expected[i]);
        EXPECT_EQ(cls[QStringLiteral("reason")].toString().contains(QLatin1String("picclp32.so")), gone)
            << qPrintable(cls[QStringLiteral("reason")].toString());
    }
}

struct Usage {
    const char *name;
    QStringList arguments;
    int exitCode;
    const char *inOutput; // on standard output for 0, on standard error otherwise
};

class CommandLine : public CheckProgram, public ::testing::WithParamInterface<Usage>
{
};

TEST_P(CommandLine, ExitsWithItsStatusAndSaysWhy)
{
    const ProcessRun r = run(GetParam().arguments);
    EXPECT_EQ(r.exitCode, GetParam().exitCode);
    const QString &said = GetParam().exitCode == 0 ? r.out : r.err;
    EXPECT_TRUE(said.contains(QLatin1String(GetParam().inOutput))) << qPrintable(said);
    if (GetParam().exitCode == 2) {
        EXPECT_TRUE(r.out.isEmpty()) << "nothing is checked after a usage error: " << qPrintable(r.out);
        EXPECT_TRUE(r.err.contains(QStringLiteral("Try 'quorvane-check --help'")));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Options, CommandLine,
    ::testing::Values(
        Usage { "UnknownOption", { "--frobnicate" }, 2, "Unknown option 'frobnicate'" },
        Usage { "UnknownShortOption", { "-x" }, 2, "Unknown option 'x'" },
        Usage { "UnknownBesideAKnownOne", { "--json", "--colour" }, 2, "Unknown option 'colour'" },
        Usage { "Argument", { "somehost" }, 2, "unexpected argument 'somehost'" },
        Usage { "Help", { "--help" }, 0, "--list-libraries" },
        Usage { "HelpNamesExitStatus", { "-h" }, 0, "Exit status: 0 every class was created" },
        Usage { "Version", { "--version" }, 0, "quorvane-check " QUORVANE_TEST_VERSION "\n" },
        Usage { "TimeLimitNotANumber", { "--time-limit=soon" }, 2, "whole number of seconds" },
        Usage { "TimeLimitZero", { "--time-limit=0" }, 2, "1 or more, not '0'" },
        Usage { "HelpNamesTheTimeLimit", { "--help" }, 0, "--time-limit <seconds>" },
        Usage { "HelpNamesDescribe", { "--help" }, 0, "--describe" },
        Usage { "DescribeOneClassWhateverItsCase",
                { "--describe", "mscomctllib.slider" },
                0,
                "MSComctlLib.Slider (MSCOMCTL.OCX)\n  Properties\n    Value As Long" },
        Usage { "DescribeALibraryAsAReferencePage",
                { "--describe", "MSCOMCT2.OCX", "--markdown" },
                0,
                "# MSCOMCT2.OCX: MSComCtl2" },
        Usage { "DescribeNoSuchName",
                { "--describe", "MSComctlLib.Sliders" },
                2,
                "'MSComctlLib.Sliders' is neither a class nor a library file" },
        Usage { "DescribeTwoNames", { "--describe", "A", "B" }, 2, "--describe takes one name" },
        Usage { "MarkdownWithoutDescribe", { "--markdown" }, 2, "--markdown goes with --describe" },
        Usage { "CheckLibraryOfNoSuchFile",
                { "--check-library=NOSUCH.OCX" },
                2,
                "NOSUCH.OCX is not a library of the runtime" }),
    [](const auto &row) { return std::string(row.param.name); });

// A module for MSCOMCT2.OCX with the real module's metadata that loads and then misbehaves: the check
// survives it, fails that library with the reason, checks every other library, and its report stays well
// formed. The installed modules agree with the manifest, so the exit status comes from the classes created
// alone.
struct Fault {
    const char *name; // the test module, tests/plugins/faulty/<name>
    const char *reason; // what each class of the library says, a regular expression
};

class ModuleFaults : public CheckProgram, public ::testing::WithParamInterface<Fault>
{
};

TEST_P(ModuleFaults, FailOnlyTheirLibraryWithTheReason)
{
    replaceWith(modules, "mscomct2.so", faulty(GetParam().name));
    const QRegularExpression reason(QStringLiteral("^%1$").arg(QLatin1String(GetParam().reason)));
    const QStringList arguments { QStringLiteral("--time-limit=3") };

    const ProcessRun text = run(arguments);
    EXPECT_EQ(text.exitCode, 1) << qPrintable(text.out + text.err);
    const Facts facts = factsFromText(text.out);
    EXPECT_EQ(facts.failedLibraries, QStringList { QStringLiteral("MSCOMCT2.OCX") }) << qPrintable(text.out);
    EXPECT_EQ(facts.createdClasses.size(), 49u) << "every other library's classes are still created";
    EXPECT_EQ(facts.failedClasses.size(), 5u);
    EXPECT_TRUE(text.out.endsWith(
        QStringLiteral("\nSummary: 49 of 54 classes created; failed libraries: MSCOMCT2.OCX\n")))
        << "the report ends with its summary: " << qPrintable(text.out.right(300));

    const ProcessRun json = run(arguments + QStringList { QStringLiteral("--json") });
    EXPECT_EQ(json.exitCode, 1);
    EXPECT_TRUE(holdsToSchema(json.out.toUtf8(), "report"));
    QJsonParseError error;
    const QJsonObject document = QJsonDocument::fromJson(json.out.toUtf8(), &error).object();
    ASSERT_EQ(error.error, QJsonParseError::NoError)
        << "standard output carries the report alone: " << qPrintable(json.out.left(300));
    EXPECT_FALSE(document[QStringLiteral("allCreated")].toBool());
    EXPECT_TRUE(document[QStringLiteral("moduleProblems")].toArray().isEmpty())
        << "the module's metadata is the real one's: " << qPrintable(json.out.left(600));
    EXPECT_EQ(factsFromJson(document), facts);
    for (const QJsonValue library : document[QStringLiteral("libraries")].toArray()) {
        if (library[QStringLiteral("file")].toString() != QStringLiteral("MSCOMCT2.OCX"))
            continue;
        for (const QJsonValue cls : library[QStringLiteral("classes")].toArray()) {
            const QString why = cls[QStringLiteral("reason")].toString();
            EXPECT_TRUE(reason.match(why).hasMatch()) << qPrintable(why);
            EXPECT_TRUE(text.out.contains(why)) << "the text gives the same reason: " << qPrintable(why);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Faults, ModuleFaults,
    ::testing::Values(
        Fault { "unresolved_symbol",
                ".*/mscomct2\\.so could not be loaded: it needs the symbol qv_function_of_a_newer_runtime, "
                "which no library on this machine provides .*" },
        Fault { "null_write", "mscomct2\\.so crashed with SIGSEGV while creating MSComCtl2\\.\\w+" },
        Fault { "abort_at_load", "mscomct2\\.so crashed with SIGABRT while creating MSComCtl2\\.\\w+" },
        Fault { "endless_loop",
                "mscomct2\\.so did not return within 3 seconds while creating MSComCtl2\\.\\w+" },
        Fault { "exit_in_create",
                "mscomct2\\.so ended the process \\(exit status 0\\) while creating MSComCtl2\\.\\w+" },
        Fault { "prints_to_stdout",
                "mscomct2\\.so wrote to standard output while creating MSComCtl2\\.\\w+: "
                "\"a module's own progress line\"" },
        Fault { "crash_when_shown", "mscomct2\\.so crashed with SIGSEGV while its controls were shown" },
        Fault { "makes_nothing",
                "the module mscomct2\\.so could not make an instance: this test module makes no "
                "\\{[0-9A-F]{8}(-[0-9A-F]{4}){3}-[0-9A-F]{12}\\}" }),
    [](const auto &row) { return std::string(row.param.name); });

} // namespace
} // namespace qv::test
