// Writes <quorvane/controls.h>: one typed class per built-in class, read from the runtime's own type
// information (classMembers), so that the typed classes say exactly what the late-bound calls accept. Run by
// the build against the runtime it has just linked:
//   quorvane-write-controls-header OUTPUT
// The file is rewritten only when its text changes, so that programs are not rebuilt for nothing.

#include <quorvane/members.h>

#include <QFile>
#include <QSaveFile>
#include <QString>
#include <QStringList>
#include <QTextStream>
#include <algorithm>
#include <cstdio>

namespace
{

using qv::MemberInfo;
using qv::MemberKind;
using qv::ParameterInfo;
using qv::VariantType;

QString cppType(VariantType type)
{
    switch (type) {
    case VariantType::Integer:
        return QStringLiteral("std::int16_t");
    case VariantType::Long:
        return QStringLiteral("std::int32_t");
    case VariantType::Single:
        return QStringLiteral("float");
    case VariantType::Double:
        return QStringLiteral("double");
    case VariantType::Boolean:
        return QStringLiteral("bool");
    case VariantType::String:
        return QStringLiteral("QString");
    case VariantType::Date:
        return QStringLiteral("QDateTime");
    case VariantType::Empty:
    case VariantType::Null:
    case VariantType::Object:
    case VariantType::Error:
        break;
    }
    return QStringLiteral("qv::Variant");
}

// How a value of the C++ type is passed in.
QString parameterType(const QString &type)
{
    return type == QLatin1String("QString") || type == QLatin1String("QDateTime")
            || type == QLatin1String("qv::Variant")
        ? QStringLiteral("const %1 &").arg(type)
        : type + QLatin1Char(' ');
}

class ClassWriter
{
public:
    ClassWriter(QTextStream &out, const QString &className, const std::vector<MemberInfo> &members)
        : out_(out)
        , className_(className)
        , members_(members)
    {
    }

    void write()
    {
        out_ << "class " << className_ << " final : public qv::TypedControl\n{\npublic:\n";
        out_ << "    static constexpr char className[] = \"" << className_ << "\";\n";
        out_ << "    static constexpr qv::BuiltinClass builtinClass = qv::BuiltinClass::" << className_
             << ";\n";
        for (const MemberInfo &member : members_) {
            if (member.kind == MemberKind::Property && !member.enumValues.empty())
                writeEnumeration(member);
        }
        out_ << "\n    // Properties, as typed dual interfaces name them: get_ reads into its argument, put_ "
                "writes.\n";
        for (const MemberInfo &member : members_) {
            if (member.kind == MemberKind::Property)
                writeProperty(member);
        }
        if (has(MemberKind::Method)) {
            out_ << "\n    // Methods; a result comes back through the last argument.\n";
            for (const MemberInfo &member : members_) {
                if (member.kind == MemberKind::Method)
                    writeMethod(member);
            }
        }
        out_ << "\n    // Its events, by the names Form::bind takes.\n    struct Events {\n";
        for (const MemberInfo &member : members_) {
            if (member.kind == MemberKind::Event)
                out_ << "        static constexpr std::string_view " << member.name << " { \"" << member.name
                     << "\" };\n";
        }
        out_ << "    };\n};\n\n";
    }

private:
    bool has(MemberKind kind) const
    {
        return std::any_of(members_.begin(), members_.end(),
                           [kind](const MemberInfo &m) { return m.kind == kind; });
    }
    static QString enumerationName(const MemberInfo &member)
    {
        return member.name + QStringLiteral("Constants");
    }

    QString propertyType(const MemberInfo &member) const
    {
        return member.enumValues.empty() ? cppType(member.type) : enumerationName(member);
    }

    void writeEnumeration(const MemberInfo &member)
    {
        out_ << "\n    // The values of " << member.name << ".\n    enum class " << enumerationName(member)
             << " : std::int32_t {\n";
        for (const auto &[name, value] : member.enumValues)
            out_ << "        " << name << " = " << value << ",\n";
        out_ << "    };\n";
    }

    void writeProperty(const MemberInfo &member)
    {
        const QString type = propertyType(member);
        if (member.readOnly)
            out_ << "    // " << member.name << " is read-only.\n";
        out_ << "    qv::Status get_" << member.name << "(" << type << " &out) const { return read(\""
             << member.name << "\", out); }\n";
        if (member.readOnly)
            return;
        const QString value = member.enumValues.empty()
            ? QStringLiteral("qv::Variant(value)")
            : QStringLiteral("qv::Variant(static_cast<std::int32_t>(value))");
        out_ << "    qv::Status put_" << member.name << "(" << parameterType(type)
             << "value) const { return write(\"" << member.name << "\", " << value << "); }\n";
    }

    void writeMethod(const MemberInfo &method)
    {
        const bool hasResult = method.type != VariantType::Empty;
        QStringList declared;
        QStringList passed;
        for (const ParameterInfo &p : method.parameters) {
            // An optional argument may be left out only where no result follows it.
            if (p.optional && !hasResult) {
                declared << QStringLiteral("const qv::Variant &%1 = qv::Variant::missing()").arg(p.name);
                passed << p.name;
            } else {
                declared << parameterType(cppType(p.type)) + p.name;
                passed << QStringLiteral("qv::Variant(%1)").arg(p.name);
            }
        }
        if (hasResult)
            declared << cppType(method.type) + QStringLiteral(" *result");
        out_ << "    qv::Status " << method.name << "(" << declared.join(QStringLiteral(", "))
             << ") const { return invoke(\"" << method.name << "\", { " << passed.join(QStringLiteral(", "))
             << " }" << (hasResult ? QStringLiteral(", result") : QString()) << "); }\n";
    }

    QTextStream &out_;
    QString className_;
    const std::vector<MemberInfo> &members_;
};

QString headerText()
{
    QString text;
    QTextStream out(&text);
    out << "#pragma once\n"
           "// Generated by the build from the runtime's type information: do not edit.\n"
           "// The built-in classes, typed: each class's properties, methods and events by their own names, "
           "so\n"
           "// that a misspelt member does not compile. Reach a control's view with Form's accessor or\n"
           "// qv::viewAs; each call is the late-bound call of the same name.\n\n"
           "#include <quorvane/builtin_class.h>\n#include <quorvane/typed_control.h>\n\n"
           "#include <QDateTime>\n#include <QString>\n#include <cstdint>\n#include <string_view>\n\n"
           "namespace qv::controls\n{\n\n";
    for (int i = 0; qv::isBuiltinClass(static_cast<qv::BuiltinClass>(i)); ++i) {
        const auto cls = static_cast<qv::BuiltinClass>(i);
        const std::vector<MemberInfo> members = qv::classMembers(cls);
        ClassWriter(out, qv::builtinClassName(cls), members).write();
    }
    out << "} // namespace qv::controls\n";
    return text;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fputs("usage: quorvane-write-controls-header OUTPUT\n", stderr);
        return 2;
    }
    const QString path = QString::fromLocal8Bit(argv[1]);
    const QByteArray text = headerText().toUtf8();
    if (QFile existing(path); existing.open(QIODevice::ReadOnly) && existing.readAll() == text)
        return 0;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size() || !file.commit()) {
        std::fprintf(stderr, "cannot write %s: %s\n", argv[1], qPrintable(file.errorString()));
        return 1;
    }
    return 0;
}
