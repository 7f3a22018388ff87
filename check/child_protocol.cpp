#include "child_protocol.h"

#include <QList>

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
} // namespace

QByteArray creatingLine(const QString &control, const QString &className)
{
    return line({ "creating", field(control), field(className) });
}

QByteArray outcomeLine(const installation::ControlOutcome &outcome)
{
    return line({ "outcome", field(outcome.control), field(outcome.className), outcome.created ? "1" : "0",
                  field(outcome.reason) });
}

QByteArray failureLine(const QString &failure)
{
    return line({ "failure", field(failure) });
}

QByteArray doneLine()
{
    return line({ "done" });
}

Said read(const QByteArray &written)
{
    Said said;
    QList<QByteArray> lines = written.split('\n');
    lines.removeLast(); // after the last line break: empty, or a line the child did not finish
    for (const QByteArray &text : lines) {
        const QList<QByteArray> f = text.split('\t');
        if (f[0] == "creating" && f.size() == 3) {
            said.creatingClass = unescaped(f[2]);
        } else if (f[0] == "outcome" && f.size() == 5) {
            said.outcomes.push_back({ unescaped(f[1]), unescaped(f[2]), f[3] == "1", unescaped(f[4]) });
        } else if (f[0] == "failure" && f.size() == 2) {
            said.failure = unescaped(f[1]);
        } else if (f[0] == "done") {
            said.done = true;
        }
    }
    return said;
}

} // namespace qv::checker::child
