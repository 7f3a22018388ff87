#include "child_process.h"

#include <cstdio>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

extern char **environ;

namespace qv::bench
{

ChildRun runChild(const char *self, const char *mode)
{
    ChildRun run;
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0)
        return run;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, pipeEnds[0]);
    const std::string modeArgument = std::string("--child=") + mode;
    char *argv[] = { const_cast<char *>(self), const_cast<char *>(modeArgument.c_str()), nullptr };

    const auto started = std::chrono::steady_clock::now();
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, self, &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    close(pipeEnds[1]);
    if (spawned != 0) {
        close(pipeEnds[0]);
        return run;
    }
    char c = 0;
    while (read(pipeEnds[0], &c, 1) == 1 && c != '\n')
        run.firstLine += c;
    run.untilFirstLine = std::chrono::steady_clock::now() - started;
    close(pipeEnds[0]);

    int status = 0;
    run.ok = waitpid(pid, &status, 0) == pid && WIFEXITED(status) && WEXITSTATUS(status) == 0;
    return run;
}

} // namespace qv::bench
