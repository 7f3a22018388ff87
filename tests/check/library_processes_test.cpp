// The check's parent with children that end as a module can make them end: each is a script that says what
// a child says, then ends in its own way. The reason each record of the library gets is how it ended, taken
// from the child's wait status; and the time limit runs from the child's last line, not from its start.

#include "check/child_protocol.h"
#include "check/library_costs.h"
#include "check/library_processes.h"
#include "support/named_rows.h"
#include "windows/showcase/form2_layout.h"

#include <QFile>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>
#include <map>
#include <numeric>

namespace qv::test
{
namespace
{

using checker::CheckPlan;

// A child for one library: it says it is creating the library's second record, then runs `ending`.
struct Ending {
    const char *name;
    const char *ending; // shell commands
    const char *howItEnded; // as the library's reason gives it
};
using qv::test::PrintTo;

class ChildScripts : public ::testing::Test
{
protected:
    // A shell script that writes the lines, then runs the commands.
    QString script(const QByteArray &lines, const char *commands)
    {
        const QString path = folder_.filePath(QStringLiteral("child.sh"));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("#!/bin/sh\nprintf '%s' '" + lines + "'\n" + commands + "\n");
        file.close();
        file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        return path;
    }

    const CheckPlan plan_ { form2Layout() };
    QTemporaryDir folder_;
};

class ChildEnding : public ChildScripts, public ::testing::WithParamInterface<Ending>
{
};

TEST_P(ChildEnding, FailsTheLibraryBeingCreatedNamedFromTheWaitStatus)
{
    const std::size_t library = plan_.libraryOfFile(u"MSCOMCT2.OCX").value();
    const std::vector<std::size_t> &records = plan_.recordsOf(library);
    ASSERT_GE(records.size(), 2u);
    const checker::ChildSettings settings {
        script(checker::child::creatingLine(records[1]), GetParam().ending), std::chrono::seconds(30), 1
    };

    const checker::ChildrenOutcome outcome = checker::checkLibrariesInChildren(plan_, { library }, settings);

    const QString expected = QStringLiteral("mscomct2.so %1 while creating %2")
                                 .arg(QLatin1String(GetParam().howItEnded), plan_.classNameOf(records[1]));
    for (const std::size_t record : records) {
        ASSERT_TRUE(outcome.records[record].has_value()) << record;
        ASSERT_FALSE(*outcome.records[record]) << record;
        EXPECT_EQ(outcome.records[record]->failure().explanation(), expected);
    }
}

INSTANTIATE_TEST_SUITE_P(Endings, ChildEnding,
                         ::testing::Values(Ending { "Segfault", "kill -s SEGV $$", "crashed with SIGSEGV" },
                                           Ending { "Abort", "kill -s ABRT $$", "crashed with SIGABRT" },
                                           Ending { "Killed", "kill -s KILL $$", "crashed with SIGKILL" },
                                           Ending { "ExitWithoutItsLastWord", "exit 3",
                                                    "ended the process (exit status 3)" }),
                         rowName);

// Each record takes well under the limit, all of them together well over it: the child is getting on, and
// every record is created.
TEST_F(ChildScripts, TimeLimitRunsFromTheLastLine)
{
    const std::size_t library = plan_.libraryOfFile(u"MSMAPI32.OCX").value();
    const std::vector<std::size_t> &records = plan_.recordsOf(library);
    ASSERT_EQ(records.size(), 2u);
    QByteArray commands;
    for (const std::size_t record : records)
        commands += "printf '" + checker::child::creatingLine(record) + "'; sleep 1.2; printf '"
            + checker::child::outcomeLine(record, {}) + "'\n";
    commands += "printf '" + checker::child::doneLine() + "'";
    const checker::ChildSettings settings { script({}, commands.constData()), std::chrono::seconds(2), 1 };

    const checker::ChildrenOutcome outcome = checker::checkLibrariesInChildren(plan_, { library }, settings);

    for (const std::size_t record : records) {
        ASSERT_TRUE(outcome.records[record].has_value()) << record;
        EXPECT_TRUE(*outcome.records[record]) << qPrintable(outcome.records[record]->failure().explanation());
    }
    EXPECT_TRUE(outcome.window);
}

// Every library, the forms runtime's own classes among them, goes to one of the children, which all start
// before the parent does its own work; the children's shares cost about the same to create.
TEST_F(ChildScripts, ChildrenStartAtOnceWithSharesOfEvenCost)
{
    std::vector<std::size_t> libraries(plan_.libraries().size());
    std::iota(libraries.begin(), libraries.end(), CheckPlan::formsRuntime);
    const QString told = folder_.filePath(QStringLiteral("arguments"));
    const QByteArray commands = "printf '%s\\n' \"$*\" >> " + QFile::encodeName(told) + "; printf '"
        + checker::child::doneLine() + "'";
    const checker::ChildSettings settings { script({}, commands.constData()), std::chrono::seconds(30), 2 };
    QStringList startedBeforeTheParentsWork;

    (void)checker::checkLibrariesInChildren(plan_, libraries, settings, [&] {
        // The parent's own work waits for no child, so each is given a moment to start.
        for (int tries = 0; tries < 500 && startedBeforeTheParentsWork.size() < 2; ++tries) {
            QThread::msleep(10);
            QFile file(told);
            if (file.open(QIODevice::ReadOnly))
                startedBeforeTheParentsWork
                    = QString::fromUtf8(file.readAll()).split(u'\n', Qt::SkipEmptyParts);
        }
    });

    ASSERT_EQ(startedBeforeTheParentsWork.size(), 2);
    std::map<QString, int> given;
    std::vector<int> costs;
    for (const QString &child : startedBeforeTheParentsWork) {
        int cost = 0;
        for (const QString &argument : child.split(u' ')) {
            const QString file = argument.section(u'=', 1);
            ++given[file];
            cost += checker::creationCost(file);
        }
        costs.push_back(cost);
    }
    for (const installation::LibraryEntry &library : plan_.libraries())
        EXPECT_EQ(given[library.file], 1) << qPrintable(library.file);
    EXPECT_EQ(given.size(), plan_.libraries().size());
    int costliest = 0;
    for (const installation::LibraryEntry &library : plan_.libraries())
        costliest = std::max(costliest, checker::creationCost(library.file));
    EXPECT_LE(std::abs(costs[0] - costs[1]), costliest);
}

} // namespace
} // namespace qv::test
