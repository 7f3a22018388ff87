// The entry point hands the project record to the runtime, which never returns.

#include "app/project_identity.h"
#include "windows/program_state.h"
#include <quorvane/program.h>

int main(int, char **argv)
{
    static qv::ProgramState state;
    static const qv::ProjectRecord project { qv::quorvaneIdentity, qv::form1Class(state), state.form1 };
    qv::ThunRTMain(project, argv[0]);
}
