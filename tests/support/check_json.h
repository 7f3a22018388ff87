#pragma once
// quorvane-check's JSON output against check/quorvane-check.schema.json, through the tests' one validator,
// check_json.py, which the shell tests run too. Test programs that use it define QUORVANE_TEST_CHECK_JSON
// (the validator's path).

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <gtest/gtest.h>

namespace qv::test
{

// Whether `json` holds to the schema's definition `kind`: "report" (quorvane-check --json) or "libraryList"
// (--list-libraries --json). When it does not, the message gives every fault the validator found.
inline ::testing::AssertionResult holdsToSchema(const QByteArray &json, const char *kind)
{
    QProcess validator;
    validator.start(QStringLiteral(QUORVANE_TEST_CHECK_JSON), { QLatin1String(kind) });
    if (!validator.waitForStarted())
        return ::testing::AssertionFailure() << "the validator " QUORVANE_TEST_CHECK_JSON " did not start: "
                                             << qPrintable(validator.errorString());
    validator.write(json);
    validator.closeWriteChannel();
    if (!validator.waitForFinished(120000))
        return ::testing::AssertionFailure() << "the validator did not finish";
    const QString said = QString::fromUtf8(validator.readAllStandardError());
    if (validator.exitStatus() != QProcess::NormalExit || validator.exitCode() > 1)
        return ::testing::AssertionFailure()
            << "the validator could not check the " << kind << ": " << qPrintable(said);
    if (validator.exitCode() == 1)
        return ::testing::AssertionFailure() << "the " << kind << " does not hold to the schema:\n"
                                             << qPrintable(said) << "in:\n"
                                             << qPrintable(QString::fromUtf8(json.left(2000)));
    return ::testing::AssertionSuccess();
}

} // namespace qv::test
