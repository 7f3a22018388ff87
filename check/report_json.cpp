#include "report_output.h"

#include "check/schema_members.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>
#include <string_view>

namespace qv::checker
{

namespace
{
// A member name of the output. quorvane-check.schema.json is the one list of them: a name it does not give
// any object does not compile. Which object holds which member, and the types, the tests check against it.
consteval QLatin1String member(std::string_view name)
{
    if (std::find(schemaMembers.begin(), schemaMembers.end(), name) == schemaMembers.end())
        throw "quorvane-check.schema.json gives no object a member of this name";
    return QLatin1String(name.data(), static_cast<qsizetype>(name.size()));
}

QJsonValue orNull(const QString &text)
{
    return text.isEmpty() ? QJsonValue() : QJsonValue(text);
}

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
