// Hello Runtime: the entry point hands the project record to the runtime, which never returns.

#include "program.h"

#include <quorvane/program.h>

namespace
{
constexpr qv::ProjectIdentity identity {
    .projectName = "HELLO",
    .title = "Hello Runtime",
    .executableName = "hello-runtime",
    .executableFile = "hello-runtime",
    .helpFile = "",
    .description = "A program for the Quorvane forms runtime.",
    .locale = 1033,
    .threading = qv::Threading::Single,
    .windowCount = 2,
    .activeXClassCount = 3,
    .runtimeBuild = 1,
    .iconResource = "",
};
} // namespace

int main(int, char **argv)
{
    static hello::Program program;
    static const qv::ProjectRecord project { identity, hello::helloFormClass(program), program.hello };
    qv::ThunRTMain(project, argv[0]);
}
