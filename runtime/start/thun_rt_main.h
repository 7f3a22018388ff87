#pragma once
// The start of a program for the forms runtime.

#include "runtime/core/project_record.h"

namespace qv
{

// Starts the program: the runtime, then the start-up form, then the message loop. Never returns.
[[noreturn]] void ThunRTMain(const ProjectRecord &project, const char *programPath);

} // namespace qv
