// Running a check as a user who may not write what root installed. Root
// may write anywhere, so as root the check runs in a child process that
// has dropped to nobody; anyone else runs it as they are.
#pragma once

#include <QtGlobal>

#include <functional>

#ifdef Q_OS_UNIX
#include <sys/wait.h>
#include <unistd.h>

// Returns what the check returned (false when the child could not drop to
// nobody).
inline bool asUnprivilegedUser(const std::function<bool()>& check)
{
    if (geteuid() != 0)
        return check();
    const pid_t child = fork();
    if (child == 0) {
        const bool dropped = setgid(65534) == 0 && setuid(65534) == 0;
        _exit(dropped && check() ? 0 : 1);
    }
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}
#endif
