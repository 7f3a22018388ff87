#pragma once
// The start and the end of a program for the forms runtime.

#include <quorvane/export.h>
#include <quorvane/project_record.h>

namespace qv
{

// Starts the program: the runtime, then the start-up form, then the message loop. Never returns.
[[noreturn]] QUORVANE_EXPORT void ThunRTMain(const ProjectRecord &project, const char *programPath);

// Ends the program at once with exit status 0: every window closes, no further event runs.
[[noreturn]] QUORVANE_EXPORT void vbaEnd(Runtime &runtime);

} // namespace qv
