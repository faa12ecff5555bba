#include "platform/core/child_process.h"

#ifndef _WIN32
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace platform {

#ifdef _WIN32

int start_child(const std::function<int()>&)
{
    return -1;
}

int wait_for_child(int)
{
    return -1;
}

#else

int start_child(const std::function<int()>& work)
{
    const pid_t child = ::fork();
    if (child == 0) {
        // The copy never returns into its parent's code, not even by an exception.
        int code = 125;
        try {
            code = work();
        } catch (...) {
        }
        ::_exit(code);
    }
    return child < 0 ? -1 : static_cast<int>(child);
}

int wait_for_child(int child)
{
    int status = 0;
    if (child < 0 || ::waitpid(child, &status, 0) != child)
        return -1;
    if (WIFEXITED(status))
        return WEXITSTATUS(status);
    return WIFSIGNALED(status) ? 128 + WTERMSIG(status) : -1;
}

#endif

} // namespace platform
