// Listing and no-replace renaming on POSIX systems, on the raw byte names
// from readdir() so that names which are not valid text pass unchanged.
#include "unspacer/platform.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace unspacer {

namespace {

// A failure of a call that must not look like success to the caller.
int lastError()
{
    return errno != 0 ? errno : EIO;
}

// The kernel or the file system lacks the requested kind of rename; this says
// nothing about the file itself, so another way may be tried. EINVAL is what
// renameat2() returns for a flag the file system does not support, ENOSYS for
// a kernel without the call.
bool renameUnsupported(int err)
{
    return err == EINVAL || err == ENOSYS || err == EOPNOTSUPP || err == ENOTSUP;
}

// Hard links are unavailable for this file: the file system has none (EPERM
// on FAT), the file has too many, or protected_hardlinks refuses them.
bool linkUnsupported(int err)
{
    return err == EPERM || err == EMLINK || err == ENOSYS || err == EOPNOTSUPP || err == ENOTSUP;
}

int renameAtomically(const NativeName& from, const NativeName& to)
{
#if defined(__linux__) && defined(RENAME_NOREPLACE)
    return renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0
               ? 0
               : lastError();
#elif defined(__APPLE__) && defined(RENAME_EXCL)
    return renamex_np(from.c_str(), to.c_str(), RENAME_EXCL) == 0 ? 0 : lastError();
#else
    (void)from;
    (void)to;
    return ENOSYS;
#endif
}

bool isRegularFile(int dirFd, const char* name)
{
    struct stat st {};
    return fstatat(dirFd, name, &st, 0) == 0 && S_ISREG(st.st_mode);
}

} // namespace

namespace detail {

// link() refuses an existing target atomically; the old name is then dropped.
int renameByLink(const NativeName& from, const NativeName& to)
{
    // No AT_SYMLINK_FOLLOW: a symbolic link is renamed, not its target.
    if (linkat(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), 0) != 0)
        return lastError();
    if (unlink(from.c_str()) != 0) {
        const int err = lastError();
        // Leave the file with its old name only, as after any failed rename.
        unlink(to.c_str());
        return err;
    }
    return 0;
}

// The last resort: refuse when the new name is taken, then rename. Another
// process could create the name between the two calls; no better is possible
// on a file system with neither atomic no-replace renames nor hard links.
int renameAfterCheck(const NativeName& from, const NativeName& to)
{
    struct stat st {};
    if (fstatat(AT_FDCWD, to.c_str(), &st, AT_SYMLINK_NOFOLLOW) == 0)
        return EEXIST;
    if (errno != ENOENT)
        return lastError();
    return std::rename(from.c_str(), to.c_str()) == 0 ? 0 : lastError();
}

} // namespace detail

int renameNoReplace(const NativeName& from, const NativeName& to)
{
    int err = renameAtomically(from, to);
    if (err == 0 || !renameUnsupported(err))
        return err;
    err = detail::renameByLink(from, to);
    if (err == 0 || !linkUnsupported(err))
        return err;
    return detail::renameAfterCheck(from, to);
}

int listFolder(std::vector<NativeName>& names)
{
    DIR* dir = opendir(".");
    if (dir == nullptr)
        return lastError();
    const int fd = dirfd(dir);

    int err = 0;
    for (;;) {
        errno = 0;
        const dirent* entry = readdir(dir);
        if (entry == nullptr) {
            err = errno;
            break;
        }
        const char* name = entry->d_name;
        // Hidden files, and the "." and ".." entries with them.
        if (name[0] == '.')
            continue;
        bool regular = false;
#ifdef DT_UNKNOWN
        // The directory entry usually tells the type; only links and file
        // systems that leave it open need a stat().
        switch (entry->d_type) {
        case DT_REG:
            regular = true;
            break;
        case DT_LNK:
        case DT_UNKNOWN:
            regular = isRegularFile(fd, name);
            break;
        default:
            break;
        }
#else
        regular = isRegularFile(fd, name);
#endif
        if (regular)
            names.emplace_back(name);
    }
    closedir(dir);
    return err;
}

QString errorText(int code)
{
    return QString::fromLocal8Bit(std::strerror(code));
}

} // namespace unspacer
