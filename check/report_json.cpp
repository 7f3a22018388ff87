#include "report_output.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace qv::checker
{

namespace
{
QJsonValue orNull(const QString &text)
{
    return text.isEmpty() ? QJsonValue() : QJsonValue(text);
}

QJsonObject libraryEntry(const LibraryResult &library)
{
    return { { QStringLiteral("file"), library.file },
             { QStringLiteral("typeLibrary"), library.typeLibrary },
             { QStringLiteral("version"), orNull(library.version) },
             { QStringLiteral("module"), orNull(library.module) } };
}

QJsonObject classEntry(const ClassResult &cls)
{
    return { { QStringLiteral("class"), cls.className },
             { QStringLiteral("controls"), QJsonArray::fromStringList(cls.controls) },
             { QStringLiteral("created"), cls.created },
             { QStringLiteral("reason"), orNull(cls.reason) } };
}

QJsonObject problemEntry(const installation::ModuleProblem &problem)
{
    return { { QStringLiteral("kind"), problem.kind },
             { QStringLiteral("library"), orNull(problem.libraryFile) },
             { QStringLiteral("path"), problem.path },
             { QStringLiteral("reason"), problem.reason } };
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
        entry.insert(QStringLiteral("created"), library.created());
        QJsonArray classes;
        for (const ClassResult &cls : library.classes)
            classes.append(classEntry(cls));
        entry.insert(QStringLiteral("classes"), classes);
        libraries.append(entry);
    }

    const QJsonObject summary { { QStringLiteral("classes"), report.classCount() },
                                { QStringLiteral("created"), report.createdCount() },
                                { QStringLiteral("notCreated"), report.classCount() - report.createdCount() },
                                { QStringLiteral("failedLibraries"),
                                  QJsonArray::fromStringList(report.failedLibraries()) },
                                { QStringLiteral("loadFailure"), orNull(report.loadFailure) } };

    const QJsonObject document { { QStringLiteral("program"), QStringLiteral("quorvane-check") },
                                 { QStringLiteral("version"), QStringLiteral(QUORVANE_VERSION) },
                                 { QStringLiteral("runtime"),
                                   QJsonObject { { QStringLiteral("path"), report.runtime.path },
                                                 { QStringLiteral("version"), report.runtime.version } } },
                                 { QStringLiteral("moduleDirectory"), report.moduleDirectory },
                                 { QStringLiteral("moduleProblems"), problems },
                                 { QStringLiteral("libraries"), libraries },
                                 { QStringLiteral("summary"), summary },
                                 { QStringLiteral("allCreated"), report.allCreated() } };
    return QJsonDocument(document).toJson(QJsonDocument::Indented);
}

QByteArray libraryListJson()
{
    QJsonArray libraries;
    for (const LibraryResult &library : expectedLibraries())
        libraries.append(libraryEntry(library));
    return QJsonDocument(QJsonObject { { QStringLiteral("libraries"), libraries } })
        .toJson(QJsonDocument::Indented);
}

} // namespace qv::checker
