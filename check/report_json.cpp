#include "report_output.h"

#include "check/json_member.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>
#include <string_view>

namespace qv::checker
{

namespace
{
// Why it failed, or null.
QJsonValue failureOf(const Outcome<> &outcome)
{
    return outcome ? QJsonValue() : QJsonValue(outcome.failure().explanation());
}

QJsonObject libraryEntry(const LibraryResult &library)
{
    return { { member("file"), library.file },
             { member("typeLibrary"), library.typeLibrary },
             { member("version"), orNull(library.version) },
             { member("module"), orNull(library.module) } };
}

QJsonObject classEntry(const ClassResult &cls)
{
    return { { member("class"), cls.className },
             { member("controls"), QJsonArray::fromStringList(cls.controls) },
             { member("created"), cls.created.ok() },
             { member("reason"), failureOf(cls.created) } };
}

QJsonObject problemEntry(const installation::ModuleProblem &problem)
{
    return { { member("kind"), problem.kind },
             { member("library"), orNull(problem.libraryFile) },
             { member("path"), problem.path },
             { member("reason"), problem.reason } };
}
} // namespace

QByteArray reportJson(const CheckReport &report)
{
    QJsonArray problems;
    for (const installation::ModuleProblem &problem : report.moduleProblems)
        problems.append(problemEntry(problem));

    QJsonArray libraries;
    for (const LibraryResult &library : report.libraries) {
        QJsonObject entry = libraryEntry(library);
        entry.insert(member("created"), library.created());
        QJsonArray classes;
        for (const ClassResult &cls : library.classes)
            classes.append(classEntry(cls));
        entry.insert(member("classes"), classes);
        libraries.append(entry);
    }

    const QJsonObject summary { { member("classes"), report.classCount() },
                                { member("created"), report.createdCount() },
                                { member("notCreated"), report.classCount() - report.createdCount() },
                                { member("failedLibraries"),
                                  QJsonArray::fromStringList(report.failedLibraries()) },
                                { member("loadFailure"), failureOf(report.window) } };

    const QJsonObject document { { member("program"), QStringLiteral("quorvane-check") },
                                 { member("version"), QStringLiteral(QUORVANE_VERSION) },
                                 { member("runtime"),
                                   QJsonObject { { member("path"), report.runtime.path },
                                                 { member("version"), report.runtime.version } } },
                                 { member("moduleDirectory"), report.moduleDirectory },
                                 { member("moduleProblems"), problems },
                                 { member("libraries"), libraries },
                                 { member("summary"), summary },
                                 { member("allCreated"), report.allCreated() } };
    return QJsonDocument(document).toJson(QJsonDocument::Indented);
}

QByteArray libraryListJson()
{
    QJsonArray libraries;
    for (const LibraryResult &library : expectedLibraries(installation::libraries()))
        libraries.append(libraryEntry(library));
    return QJsonDocument(QJsonObject { { member("libraries"), libraries } }).toJson(QJsonDocument::Indented);
}

} // namespace qv::checker
