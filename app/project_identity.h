#pragma once
// The program's identity: the project record's fixed facts, also written into the version block.

#include <quorvane/project_record.h>

namespace qv
{

inline constexpr ProjectIdentity quorvaneIdentity {
    .projectName = "QUORVANE",
    .title = "Quorvane",
    .executableName = "Quorvane",
    .executableFile = "Quorvane.exe",
    .helpFile = "",
    .description
    = "Progect to Distribute VB6 Controls so additional installations only require the main program file.",
    .locale = 1033, // English (United States), for the project and its strings
    .threading = Threading::Single,
    .windowCount = 2,
    .activeXClassCount = 34,
    .runtimeBuild = 9782,
    .iconResource = ":/quorvane/quorvane.ico",
};

} // namespace qv
