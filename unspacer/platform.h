// The few file-system calls Unspacer needs, one implementation per platform.
// Error codes are the system's own: errno on POSIX, GetLastError() on Windows;
// 0 means success.
#pragma once

#include "unspacer/names.h"

#include <QString>

#include <vector>

namespace unspacer {

// Appends the files of the current folder that a file list box shows: regular
// files (or links to them), neither hidden nor system files, no folders.
// Unsorted.
int listFolder(std::vector<NativeName>& names);

// Renames a file of the current folder, failing rather than replacing a file
// that already has the new name.
int renameNoReplace(const NativeName& from, const NativeName& to);

// The system's description of an error code.
QString errorText(int code);

#ifndef _WIN32
namespace detail {
// The fallbacks renameNoReplace() uses where the file system has no atomic
// no-replace rename; visible so they can be tested on systems that do.
int renameByLink(const NativeName& from, const NativeName& to);
int renameAfterCheck(const NativeName& from, const NativeName& to);
} // namespace detail
#endif

} // namespace unspacer
