#include "check/class_reference.h"
#include "check/json_member.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStringList>
#include <algorithm>

namespace qv::checker
{

std::vector<DescribedClass> describeClasses(const QString &name, const QString &moduleDirectory)
{
    std::vector<DescribedClass> described;
    for (const installation::LibraryEntry &library : installation::libraries()) {
        const bool wholeLibrary = name.isEmpty() || name.compare(library.file, Qt::CaseInsensitive) == 0;
        for (const installation::ClassEntry &cls : library.classes) {
            if (wholeLibrary || name.compare(cls.className, Qt::CaseInsensitive) == 0)
                described.push_back({ library.file, cls.className,
                                      installation::classMembers(cls.className, moduleDirectory) });
        }
    }
    return described;
}

namespace
{
// A type as the programs of a forms runtime write it; a result or a property that takes any is a Variant.
QString typeName(VariantType type)
{
    switch (type) {
    case VariantType::Empty:
    case VariantType::Null:
    case VariantType::Error:
        return QStringLiteral("Variant");
    case VariantType::Integer:
        return QStringLiteral("Integer");
    case VariantType::Long:
        return QStringLiteral("Long");
    case VariantType::Single:
        return QStringLiteral("Single");
    case VariantType::Double:
        return QStringLiteral("Double");
    case VariantType::Date:
        return QStringLiteral("Date");
    case VariantType::String:
        return QStringLiteral("String");
    case VariantType::Object:
        return QStringLiteral("Object");
    case VariantType::Boolean:
        return QStringLiteral("Boolean");
    }
    return QStringLiteral("Variant");
}

bool returnsNothing(const MemberInfo &m)
{
    return m.kind == MemberKind::Event || (m.kind == MemberKind::Method && m.type == VariantType::Empty);
}

QString kindName(MemberKind kind)
{
    switch (kind) {
    case MemberKind::Property:
        return QStringLiteral("property");
    case MemberKind::Method:
        return QStringLiteral("method");
    case MemberKind::Event:
        return QStringLiteral("event");
    }
    return {};
}

// One member as a declaration: "Value As Long", "Add([Relative], [Key As String]) As Object",
// "KeyPress(ByRef KeyAscii As Integer)".
QString declaration(const MemberInfo &m)
{
    QString text = m.name;
    if (m.kind != MemberKind::Property) {
        QStringList parameters;
        for (const ParameterInfo &p : m.parameters) {
            QString parameter = (p.byReference ? QStringLiteral("ByRef ") : QString()) + p.name
                + QStringLiteral(" As ") + typeName(p.type);
            parameters << (p.optional ? QLatin1Char('[') + parameter + QLatin1Char(']') : parameter);
        }
        text += QLatin1Char('(') + parameters.join(QStringLiteral(", ")) + QLatin1Char(')');
    }
    if (!returnsNothing(m))
        text += QStringLiteral(" As ") + typeName(m.type);
    return text;
}

// What else a person needs to know of a property: its values, whether it is stored or read-only.
QString remarks(const MemberInfo &m)
{
    QStringList said;
    if (!m.enumValues.empty()) {
        QStringList values;
        for (const auto &[name, value] : m.enumValues)
            values << QStringLiteral("%1 = %2").arg(name).arg(value);
        said << values.join(QStringLiteral(", "));
    }
    if (m.readOnly)
        said << QStringLiteral("read-only");
    if (m.stored)
        said << QStringLiteral("stored");
    return said.join(QStringLiteral("; "));
}

// The members of a class grouped by kind, each group headed, in the order the class describes them.
template<class Line> void eachGroup(const std::vector<MemberInfo> &members, Line line)
{
    for (const auto &[kind, heading] : { std::pair { MemberKind::Property, QStringLiteral("Properties") },
                                         std::pair { MemberKind::Method, QStringLiteral("Methods") },
                                         std::pair { MemberKind::Event, QStringLiteral("Events") } }) {
        bool headed = false;
        for (const MemberInfo &m : members) {
            if (m.kind != kind)
                continue;
            line(headed ? QString() : heading, m);
            headed = true;
        }
    }
}
} // namespace

QString classReferenceText(const std::vector<DescribedClass> &classes)
{
    QString text;
    for (const DescribedClass &cls : classes) {
        text += QStringLiteral("%1 (%2)\n").arg(cls.className, cls.library);
        if (!cls.members) {
            text += QStringLiteral("  cannot be described: %1\n\n").arg(cls.members.failure().explanation());
            continue;
        }
        eachGroup(cls.members.value(), [&](const QString &heading, const MemberInfo &m) {
            if (!heading.isEmpty())
                text += QStringLiteral("  %1\n").arg(heading);
            const QString more = remarks(m);
            text += QStringLiteral("    %1%2\n")
                        .arg(declaration(m), more.isEmpty() ? QString() : QStringLiteral("  (%1)").arg(more));
        });
        text += QLatin1Char('\n');
    }
    return text;
}

namespace
{
QJsonObject memberEntry(const MemberInfo &m)
{
    QJsonArray values;
    for (const auto &[name, value] : m.enumValues)
        values.append(QJsonObject { { member("name"), name }, { member("value"), value } });
    QJsonArray parameters;
    for (const ParameterInfo &p : m.parameters)
        parameters.append(QJsonObject { { member("name"), p.name },
                                        { member("type"), typeName(p.type) },
                                        { member("byReference"), p.byReference },
                                        { member("optional"), p.optional } });
    return { { member("name"), m.name },
             { member("kind"), kindName(m.kind) },
             { member("type"), returnsNothing(m) ? QJsonValue() : QJsonValue(typeName(m.type)) },
             { member("readOnly"), m.readOnly },
             { member("stored"), m.stored },
             { member("values"), values },
             { member("parameters"), parameters } };
}
} // namespace

QByteArray classReferenceJson(const std::vector<DescribedClass> &classes)
{
    QJsonArray entries;
    for (const DescribedClass &cls : classes) {
        QJsonArray members;
        if (cls.members) {
            for (const MemberInfo &m : cls.members.value())
                members.append(memberEntry(m));
        }
        entries.append(
            QJsonObject { { member("class"), cls.className },
                          { member("library"), cls.library },
                          { member("members"), members },
                          { member("reason"),
                            cls.members ? QJsonValue() : QJsonValue(cls.members.failure().explanation()) } });
    }
    const QJsonObject document { { member("program"), QStringLiteral("quorvane-check") },
                                 { member("version"), QStringLiteral(QUORVANE_VERSION) },
                                 { member("classes"), entries } };
    return QJsonDocument(document).toJson(QJsonDocument::Indented);
}

QString classReferenceMarkdown(const installation::LibraryEntry &library,
                               const std::vector<DescribedClass> &classes)
{
    QString page = QStringLiteral("# %1: %2%3\n\n")
                       .arg(library.file, library.typeLibrary,
                            library.version.isEmpty() ? QString() : QLatin1Char(' ') + library.version);
    page += QStringLiteral(
                "Written by `quorvane-check --describe %1 --markdown` from the run-time type information of "
                "Quorvane %2: what a program reaches by name through `Control::get`, `put`, `call` and "
                "the events it binds.\n")
                .arg(library.file, QStringLiteral(QUORVANE_VERSION));
    for (const DescribedClass &cls : classes) {
        page += QStringLiteral("\n## %1\n").arg(cls.className);
        if (!cls.members) {
            page += QStringLiteral("\nCannot be described: %1\n").arg(cls.members.failure().explanation());
            continue;
        }
        eachGroup(cls.members.value(), [&](const QString &heading, const MemberInfo &m) {
            if (!heading.isEmpty())
                page += QStringLiteral("\n### %1\n\n").arg(heading);
            const QString more = remarks(m);
            page += QStringLiteral("- `%1`%2\n")
                        .arg(declaration(m), more.isEmpty() ? QString() : QStringLiteral(": ") + more);
        });
    }
    return page;
}

int printClassReference(QTextStream &out, const CheckOptions &options)
{
    const std::vector<DescribedClass> classes
        = describeClasses(options.described, installation::moduleDirectory());
    if (classes.empty()) {
        QTextStream(stderr) << usageErrorText(
            QStringLiteral("'%1' is neither a class nor a library file: see --list-libraries.")
                .arg(options.described));
        return 2;
    }
    if (options.json) {
        out << classReferenceJson(classes);
    } else if (options.markdown) {
        for (const installation::LibraryEntry &library : installation::libraries()) {
            std::vector<DescribedClass> its;
            for (const DescribedClass &cls : classes) {
                if (cls.library == library.file)
                    its.push_back(cls);
            }
            if (!its.empty())
                out << classReferenceMarkdown(library, its);
        }
    } else {
        out << classReferenceText(classes);
    }
    const bool whole
        = std::all_of(classes.begin(), classes.end(), [](const DescribedClass &c) { return c.members.ok(); });
    return whole ? 0 : 1;
}

} // namespace qv::checker
