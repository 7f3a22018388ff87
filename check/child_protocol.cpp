#include "child_protocol.h"

#include <QList>
#include <algorithm>

namespace qv::checker::child
{

namespace
{
// Fields are separated by tabs; a field's own backslashes, tabs and line breaks are escaped.
QByteArray field(const QString &text)
{
    QByteArray bytes = text.toUtf8();
    bytes.replace('\\', "\\\\").replace('\t', "\\t").replace('\n', "\\n");
    return bytes;
}

QString unescaped(const QByteArray &bytes)
{
    QByteArray text;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\\' && i + 1 < bytes.size()) {
            const char next = bytes[++i];
            text += next == 't' ? '\t' : next == 'n' ? '\n' : next;
        } else {
            text += bytes[i];
        }
    }
    return QString::fromUtf8(text);
}

QByteArray line(std::initializer_list<QByteArray> fields)
{
    QByteArray joined;
    for (const QByteArray &f : fields) {
        if (!joined.isEmpty())
            joined += '\t';
        joined += f;
    }
    return joined + '\n';
}

std::optional<std::size_t> recordIn(const QByteArray &text)
{
    bool isNumber = false;
    const qulonglong record = text.toULongLong(&isNumber);
    return isNumber ? std::optional(static_cast<std::size_t>(record)) : std::nullopt;
}
} // namespace

QByteArray creatingLine(std::size_t record)
{
    return line({ "creating", QByteArray::number(qulonglong(record)) });
}

QByteArray outcomeLine(std::size_t record, const Outcome<> &created)
{
    return line({ "outcome", QByteArray::number(qulonglong(record)), created ? "1" : "0",
                  created ? QByteArray() : field(created.failure().info.description) });
}

QByteArray failureLine(const QString &failure)
{
    return line({ "failure", field(failure) });
}

QByteArray doneLine()
{
    return line({ "done" });
}

Outcome<> Said::take(QByteArrayView text)
{
    const QList<QByteArray> f = text.toByteArray().split('\t');
    const std::optional<std::size_t> record = f.size() > 1 ? recordIn(f[1]) : std::nullopt;
    if (f[0] == "creating" && f.size() == 2 && record) {
        creating = record;
    } else if (f[0] == "outcome" && f.size() == 4 && record && (f[2] == "1" || f[2] == "0")) {
        Outcome<> &given = outcomes[*record];
        given = f[2] == "1" ? Outcome<>() : failure(status::cannotCreateObject, unescaped(f[3]));
    } else if (f[0] == "failure" && f.size() == 2) {
        window = failure(status::fail, unescaped(f[1]));
    } else if (f[0] == "done" && f.size() == 1) {
        done = true;
    } else {
        return failure(status::fail,
                       QStringLiteral("the child check wrote a line that is not of its protocol: \"%1\"")
                           .arg(QString::fromUtf8(text.first(std::min<qsizetype>(text.size(), 200)))));
    }
    return {};
}

} // namespace qv::checker::child
