#pragma once
// Status codes: the signed 32-bit result of every runtime and control operation.
// Negative means failure; the values follow the COM conventions the forms were written against.

#include <quorvane/export.h>

#include <QString>
#include <cstdint>

namespace qv
{

using Status = std::int32_t;

namespace status
{
inline constexpr Status ok = 0;
inline constexpr Status unexpected = static_cast<Status>(0x8000FFFFu);
inline constexpr Status fail = static_cast<Status>(0x80004005u);
inline constexpr Status invalidArgument = static_cast<Status>(0x80070057u);
inline constexpr Status outOfMemory = static_cast<Status>(0x8007000Eu);
// The missing-argument marker: an omitted optional argument holds this value.
inline constexpr Status paramNotFound = static_cast<Status>(0x80020004u);
// Run-time errors of the forms runtime itself (facility "control", 0x800A).
inline constexpr Status invalidProcedureCall = static_cast<Status>(0x800A0005u); // 5
inline constexpr Status objectUnloaded = static_cast<Status>(0x800A016Cu); // 364
inline constexpr Status alreadyShownModally = static_cast<Status>(0x800A0190u); // 400
inline constexpr Status cannotCreateObject = static_cast<Status>(0x800A01ADu); // 429
inline constexpr Status programEnded = static_cast<Status>(0x800A0BB8u); // the run has ended
inline constexpr Status badFileFormat = static_cast<Status>(0x800A0141u); // 321
inline constexpr Status fileNotFound = static_cast<Status>(0x800A0035u); // 53
inline constexpr Status deviceUnavailable = static_cast<Status>(0x800A0044u); // 68
inline constexpr Status pathNotFound = static_cast<Status>(0x800A004Cu); // 76
inline constexpr Status invalidPicture = static_cast<Status>(0x800A01E1u); // 481
// Run-time errors of members reached by name.
inline constexpr Status overflow = static_cast<Status>(0x800A0006u); // 6
inline constexpr Status subscriptOutOfRange = static_cast<Status>(0x800A0009u); // 9
inline constexpr Status typeMismatch = static_cast<Status>(0x800A000Du); // 13
inline constexpr Status objectNotSet = static_cast<Status>(0x800A005Bu); // 91
inline constexpr Status invalidUseOfNull = static_cast<Status>(0x800A005Eu); // 94
inline constexpr Status invalidPropertyValue = static_cast<Status>(0x800A017Cu); // 380
inline constexpr Status readOnlyProperty = static_cast<Status>(0x800A017Fu); // 383
inline constexpr Status memberNotFound = static_cast<Status>(0x800A01B6u); // 438
inline constexpr Status wrongArgumentCount = static_cast<Status>(0x800A01C2u); // 450
} // namespace status

constexpr bool failed(Status s)
{
    return s < 0;
}

// The error number a user sees: the low word for the runtime's own errors, the status itself otherwise.
QUORVANE_EXPORT std::int32_t errorNumber(Status s);
// "429" for the runtime's own errors, "-2147467259 (80004005)" for the others.
QUORVANE_EXPORT QString errorNumberText(Status s);
// The standard wording of a status.
QUORVANE_EXPORT QString describeStatus(Status s);

} // namespace qv
