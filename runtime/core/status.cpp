#include <quorvane/status.h>

namespace qv
{

namespace
{
constexpr std::uint32_t facilityControlMask = 0xFFFF0000u;
constexpr std::uint32_t facilityControl = 0x800A0000u;

bool isRuntimeError(Status s)
{
    return (static_cast<std::uint32_t>(s) & facilityControlMask) == facilityControl;
}
} // namespace

std::int32_t errorNumber(Status s)
{
    return isRuntimeError(s) ? static_cast<std::int32_t>(static_cast<std::uint32_t>(s) & 0xFFFFu) : s;
}

QString errorNumberText(Status s)
{
    if (isRuntimeError(s))
        return QString::number(errorNumber(s));
    return QStringLiteral("%1 (%2)")
        .arg(s)
        .arg(static_cast<std::uint32_t>(s), 8, 16, QLatin1Char('0'))
        .toUpper();
}

QString describeStatus(Status s)
{
    switch (s) {
    case status::ok:
        return QStringLiteral("No error");
    case status::unexpected:
        return QStringLiteral("Catastrophic failure");
    case status::fail:
        return QStringLiteral("Unspecified error");
    case status::invalidArgument:
        return QStringLiteral("The parameter is incorrect");
    case status::outOfMemory:
        return QStringLiteral("Out of memory");
    case status::paramNotFound:
        return QStringLiteral("Parameter not found");
    case status::invalidProcedureCall:
        return QStringLiteral("Invalid procedure call or argument");
    case status::objectUnloaded:
        return QStringLiteral("Object was unloaded");
    case status::alreadyShownModally:
        return QStringLiteral("Form already displayed; can't show modally");
    case status::cannotCreateObject:
        return QStringLiteral("ActiveX component can't create object");
    case status::programEnded:
        return QStringLiteral("The program has ended");
    case status::badFileFormat:
        return QStringLiteral("Bad file format");
    case status::fileNotFound:
        return QStringLiteral("File not found");
    case status::deviceUnavailable:
        return QStringLiteral("Device unavailable");
    case status::pathNotFound:
        return QStringLiteral("Path not found");
    case status::invalidPicture:
        return QStringLiteral("Invalid picture");
    case status::overflow:
        return QStringLiteral("Overflow");
    case status::subscriptOutOfRange:
        return QStringLiteral("Subscript out of range");
    case status::typeMismatch:
        return QStringLiteral("Type mismatch");
    case status::objectNotSet:
        return QStringLiteral("Object variable or With block variable not set");
    case status::invalidUseOfNull:
        return QStringLiteral("Invalid use of Null");
    case status::invalidPropertyValue:
        return QStringLiteral("Invalid property value");
    case status::readOnlyProperty:
        return QStringLiteral("Property is read-only");
    case status::memberNotFound:
        return QStringLiteral("Object doesn't support this property or method");
    case status::wrongArgumentCount:
        return QStringLiteral("Wrong number of arguments or invalid property assignment");
    default:
        return isRuntimeError(s) ? QStringLiteral("Application-defined or object-defined error")
                                 : QStringLiteral("Automation error");
    }
}

} // namespace qv
