#include "check_options.h"

#include <QCommandLineParser>

namespace qv::checker
{

QString usageErrorText(const QString &message)
{
    return QStringLiteral("quorvane-check: %1\nTry 'quorvane-check --help' for the options.\n").arg(message);
}

CheckOptions parseCheckOptions(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Checks, without a display, that the forms runtime and every control library Quorvane\n"
        "needs are installed and can be created: it compares the installed modules with the\n"
        "manifest, then loads the showcase window's controls and reports each library and class.\n"
        "\n"
        "Exit status: 0 every class was created, 1 one or more were not, 2 usage error."));
    const QCommandLineOption help({ QStringLiteral("h"), QStringLiteral("help") },
                                  QStringLiteral("Show this help and exit."));
    const QCommandLineOption version({ QStringLiteral("v"), QStringLiteral("version") },
                                     QStringLiteral("Show the version and exit."));
    const QCommandLineOption json(QStringLiteral("json"),
                                  QStringLiteral("Print the report (or the list) as one JSON document."));
    const QCommandLineOption listLibraries(
        QStringLiteral("list-libraries"),
        QStringLiteral("Print the files a setup package must carry, the forms runtime first, and exit."));
    const QCommandLineOption describe(
        QStringLiteral("describe"),
        QStringLiteral("Print every class's properties, methods and events, as a program reaches them by\n"
                       "name, and exit; only the class or library file NAME names, when given."));
    const QCommandLineOption markdown(
        QStringLiteral("markdown"),
        QStringLiteral("With --describe: print a reference page in Markdown for "
                       "each library."));
    const QString defaultSeconds = QString::number(defaultTimeLimit.count());
    const QCommandLineOption timeLimit(
        QStringLiteral("time-limit"),
        QStringLiteral("Fail a control library whose control takes longer than <seconds> to create (%1).")
            .arg(defaultSeconds),
        QStringLiteral("seconds"), defaultSeconds);
    // How the check runs itself again for a share of the libraries, telling its parent on standard output;
    // not for people.
    QCommandLineOption checkLibrary(QStringLiteral("check-library"), QString(), QStringLiteral("file"));
    checkLibrary.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOptions({ help, version, json, listLibraries, describe, markdown, timeLimit, checkLibrary });
    parser.addPositionalArgument(
        QStringLiteral("NAME"),
        QStringLiteral("With --describe: a class (MSComctlLib.Slider) or a library file "
                       "(MSCOMCTL.OCX)."),
        QStringLiteral("[NAME]"));

    CheckOptions options;
    const auto usageError = [&](const QString &message) {
        options.action = CheckOptions::Action::UsageError;
        options.text = usageErrorText(message);
        return options;
    };
    if (!parser.parse(arguments))
        return usageError(parser.errorText());
    const QStringList named = parser.positionalArguments();
    if (!named.isEmpty() && !parser.isSet(describe))
        return usageError(
            QStringLiteral("unexpected argument '%1': only --describe takes a name.").arg(named.first()));
    if (named.size() > 1)
        return usageError(
            QStringLiteral("unexpected argument '%1': --describe takes one name.").arg(named.at(1)));
    if (parser.isSet(markdown) && (!parser.isSet(describe) || parser.isSet(json)))
        return usageError(QStringLiteral("--markdown goes with --describe, instead of --json."));

    options.json = parser.isSet(json);
    bool isNumber = false;
    const int seconds = parser.value(timeLimit).toInt(&isNumber);
    if (!isNumber || seconds < 1)
        return usageError(QStringLiteral("--time-limit takes a whole number of seconds, 1 or more, not '%1'.")
                              .arg(parser.value(timeLimit)));
    options.timeLimit = std::chrono::seconds(seconds);
    if (parser.isSet(help)) {
        options.action = CheckOptions::Action::Help;
        options.text = parser.helpText();
    } else if (parser.isSet(version)) {
        options.action = CheckOptions::Action::Version;
        options.text = QStringLiteral("quorvane-check %1\n").arg(QStringLiteral(QUORVANE_VERSION));
    } else if (parser.isSet(describe)) {
        options.action = CheckOptions::Action::Describe;
        options.described = named.value(0);
        options.markdown = parser.isSet(markdown);
    } else if (parser.isSet(listLibraries)) {
        options.action = CheckOptions::Action::ListLibraries;
    } else if (parser.isSet(checkLibrary)) {
        options.action = CheckOptions::Action::CheckLibrary;
        options.libraries = parser.values(checkLibrary);
    }
    return options;
}

} // namespace qv::checker
