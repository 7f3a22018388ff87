// quorvane-check's JSON against check/quorvane-check.schema.json, in-process: the report of an installation
// broken in every way the runtime names holds to it, and the validator every test uses refuses a document
// that breaks the contract, saying where. The reports of the program as run are checked in
// check_program_test.cpp.
#include "check/installation_check.h"
#include "check/report_output.h"
#include "runtime/modules/module_problems.h"
#include "support/broken_modules.h"
#include "support/check_json.h"
#include "support/named_rows.h"
#include "support/program_driver.h"
#include "windows/program_state.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <functional>
#include <gmock/gmock.h>
#include <ostream>
#include <set>
#include <variant>
#include <vector>

namespace qv::test
{
namespace
{

// Every kind of module problem the runtime names.
std::set<QString> everyKindOfProblem()
{
    return { problemKind::every.begin(), problemKind::every.end() };
}

// The check of a copy of the built modules with a problem of every kind: one removed (the first library's,
// TABCTL32.OCX), one garbage, one of another version, one that leaves out a class, and a stray file.
const checker::CheckReport &brokenInEveryWay()
{
    static const checker::CheckReport report = [] {
        QTemporaryDir root;
        const QDir dir(root.path());
        copyModules(builtModuleDir(), dir);
        QFile::remove(dir.filePath(QStringLiteral("tabctl32.so")));
        writeBytes(dir, "mschrt20.so", QByteArray(4096, '\x5a'));
        replaceWith(dir, "mscomm32.so", fake("wrong_version"));
        replaceWith(dir, "msmapi32.so", fake("missing_class"));
        writeBytes(dir, "stray.so", QByteArray("not a module"));
        ProgramState state;
        checker::CheckReport checked = checker::checkInstallation(form2Class(state), dir.path());
        ProgramDriver::settle();
        return checked;
    }();
    return report;
}

TEST(ReportSchema, HoldsForAProblemOfEveryKindAndClassesNotCreated)
{
    const checker::CheckReport &report = brokenInEveryWay();
    std::set<QString> kinds;
    for (const installation::ModuleProblem &problem : report.moduleProblems)
        kinds.insert(problem.kind);
    ASSERT_EQ(kinds, everyKindOfProblem()) << "the installation is broken in every way the runtime names";
    ASSERT_FALSE(report.allCreated());

    EXPECT_TRUE(holdsToSchema(checker::reportJson(report), "report"));
}

// A member of the document, by its path of member names and array positions.
using Step = std::variant<const char *, int>;

// `node` with the value at `path` replaced; an undefined value takes the member away, and a member not there
// is added.
QJsonValue replaced(const QJsonValue &node, const std::vector<Step> &path, std::size_t at,
                    const QJsonValue &value)
{
    if (at == path.size())
        return value;
    if (const auto *name = std::get_if<const char *>(&path[at])) {
        QJsonObject object = node.toObject();
        const QString key = QLatin1String(*name);
        const QJsonValue inner = replaced(object.value(key), path, at + 1, value);
        if (inner.isUndefined())
            object.remove(key);
        else
            object.insert(key, inner);
        return object;
    }
    QJsonArray array = node.toArray();
    const auto index = static_cast<qsizetype>(std::get<int>(path[at]));
    array.replace(index, replaced(array.at(index), path, at + 1, value));
    return array;
}

// One way to break the contract: a change to a document the program wrote, and what the refusal must name.
struct Breach {
    const char *name;
    const char *kind; // "report" or "libraryList"
    std::vector<Step> path;
    QJsonValue value; // undefined: the member is taken away
    const char *fault; // in the validator's message
};
using qv::test::PrintTo;

class SchemaRefuses : public ::testing::TestWithParam<Breach>
{
};

TEST_P(SchemaRefuses, ADocumentThatBreaksTheContractSayingWhere)
{
    const Breach &breach = GetParam();
    const QByteArray written = QByteArray(breach.kind) == "report" ? checker::reportJson(brokenInEveryWay())
                                                                   : checker::libraryListJson();
    ASSERT_TRUE(holdsToSchema(written, breach.kind)) << "as written";

    const QJsonValue broken
        = replaced(QJsonDocument::fromJson(written).object(), breach.path, 0, breach.value);
    const ::testing::AssertionResult result
        = holdsToSchema(QJsonDocument(broken.toObject()).toJson(), breach.kind);
    EXPECT_FALSE(result);
    EXPECT_THAT(result.message(), ::testing::HasSubstr(breach.fault));
}

// The broken installation's libraries: [0] the forms runtime, every class created; [1] TABCTL32.OCX, missing.
INSTANTIATE_TEST_SUITE_P(
    Breaches, SchemaRefuses,
    ::testing::Values(
        Breach { "MemberRenamed",
                 "report",
                 { "allCreated" },
                 QJsonValue::Undefined,
                 "(the document): 'allCreated' is a required property" },
        Breach { "MemberAdded",
                 "report",
                 { "summary", "skipped" },
                 0,
                 ".summary: Additional properties are not allowed ('skipped' was unexpected)" },
        Breach { "MemberOfAnotherObject",
                 "report",
                 { "libraries", 0, "classes", 0, "path" },
                 "/x",
                 ".libraries[0].classes[0]: Additional properties are not allowed ('path' was unexpected)" },
        Breach { "TextWhereATruthIsDue",
                 "report",
                 { "libraries", 0, "created" },
                 "yes",
                 ".libraries[0].created: 'yes' is not of type 'boolean'" },
        Breach { "NullForAText",
                 "report",
                 { "libraries", 1, "file" },
                 QJsonValue::Null,
                 ".libraries[1].file: None is not of type 'string'" },
        Breach { "CreatedWithAReason",
                 "report",
                 { "libraries", 0, "classes", 0, "reason" },
                 "it was slow",
                 ".libraries[0].classes[0].reason: 'it was slow' is not of type 'null'" },
        Breach { "NotCreatedWithoutAReason",
                 "report",
                 { "libraries", 1, "classes", 0, "reason" },
                 QJsonValue::Null,
                 ".libraries[1].classes[0].reason: None is not of type 'string'" },
        Breach { "KindTheRuntimeDoesNotName",
                 "report",
                 { "moduleProblems", 0, "kind" },
                 "odd",
                 ".moduleProblems[0].kind: 'odd' is not one of" },
        Breach { "CountAsText",
                 "report",
                 { "summary", "created" },
                 "49",
                 ".summary.created: '49' is not of type 'integer'" },
        Breach { "ListedLibraryWithAReportsMember",
                 "libraryList",
                 { "libraries", 0, "created" },
                 true,
                 ".libraries[0]: Unevaluated properties are not allowed ('created' was unexpected)" },
        Breach { "ListedLibraryWithoutItsModule",
                 "libraryList",
                 { "libraries", 3, "module" },
                 QJsonValue::Undefined,
                 ".libraries[3]: 'module' is a required property" }),
    [](const auto &row) { return std::string(row.param.name); });

TEST(ReportSchema, AListIsNoReportNorAReportAList)
{
    EXPECT_FALSE(holdsToSchema(checker::libraryListJson(), "report"));
    EXPECT_FALSE(holdsToSchema(checker::reportJson(brokenInEveryWay()), "libraryList"));
}

} // namespace
} // namespace qv::test
