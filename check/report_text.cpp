#include "report_output.h"

namespace qv::checker
{

namespace
{
QString libraryHeading(const LibraryResult &library)
{
    QString what = library.module.isEmpty() ? QStringLiteral("forms runtime, built in") : library.typeLibrary;
    if (!library.module.isEmpty()) {
        if (!library.version.isEmpty())
            what += QLatin1Char(' ') + library.version;
        what += QStringLiteral(", ") + library.module;
    }
    const int total = static_cast<int>(library.classes.size());
    return library.created()
        ? QStringLiteral("library %1 (%2): created, %3 of %3 classes\n").arg(library.file, what).arg(total)
        : QStringLiteral("library %1 (%2): FAILED, %3 of %4 classes created\n")
              .arg(library.file, what)
              .arg(library.createdCount())
              .arg(total);
}

QString classLine(const ClassResult &cls)
{
    const QString instances
        = cls.controls.isEmpty() ? QStringLiteral("no instance") : cls.controls.join(", ");
    return cls.created ? QStringLiteral("  class %1 (%2): created\n").arg(cls.className, instances)
                       : QStringLiteral("  class %1 (%2): not created: %3\n")
                             .arg(cls.className, instances, cls.created.failure().explanation());
}

QString moduleSection(const CheckReport &report)
{
    const QString heading
        = QStringLiteral("Modules in %1 against the manifest: ").arg(report.moduleDirectory);
    if (report.moduleProblems.empty())
        return heading
            + QStringLiteral("all %1 present, none extra, none of another version\n")
                  .arg(report.libraries.size() - 1);
    QString text = heading
        + (report.moduleProblems.size() == 1
               ? QStringLiteral("1 problem\n")
               : QStringLiteral("%1 problems\n").arg(report.moduleProblems.size()));
    for (const installation::ModuleProblem &problem : report.moduleProblems) {
        const QString subject = problem.libraryFile.isEmpty() ? problem.path : problem.libraryFile;
        text += QStringLiteral("  %1 %2: %3\n").arg(problem.kind, subject, problem.reason);
    }
    return text;
}

QString summary(const CheckReport &report)
{
    if (report.allCreated())
        return QStringLiteral(
                   "Summary: all %1 classes created; the forms runtime and all %2 control libraries "
                   "work.\n")
            .arg(report.classCount())
            .arg(report.libraries.size() - 1);
    QString text = QStringLiteral("Summary: %1 of %2 classes created")
                       .arg(report.createdCount())
                       .arg(report.classCount());
    if (const QStringList failed = report.failedLibraries(); !failed.isEmpty())
        text += QStringLiteral("; failed libraries: %1").arg(failed.join(", "));
    if (!report.window)
        text += QStringLiteral("; the showcase window failed: %1").arg(report.window.failure().explanation());
    return text + QLatin1Char('\n');
}
} // namespace

QString reportText(const CheckReport &report)
{
    QString text = QStringLiteral("quorvane-check %1: the forms runtime and %2 control libraries\n\n")
                       .arg(QStringLiteral(QUORVANE_VERSION))
                       .arg(report.libraries.size() - 1);
    text += QStringLiteral("Runtime library %1, version %2\n")
                .arg(report.runtime.path.isEmpty() ? QStringLiteral("(not found)") : report.runtime.path,
                     report.runtime.version);
    text += moduleSection(report) + QLatin1Char('\n');
    for (const LibraryResult &library : report.libraries) {
        text += libraryHeading(library);
        for (const ClassResult &cls : library.classes)
            text += classLine(cls);
    }
    return text + QLatin1Char('\n') + summary(report);
}

QString libraryListText()
{
    QString text;
    for (const LibraryResult &library : expectedLibraries(installation::libraries()))
        text += QStringLiteral("%1\t%2\n")
                    .arg(library.file,
                         library.module.isEmpty() ? QStringLiteral("(built in)") : library.module);
    return text;
}

} // namespace qv::checker
