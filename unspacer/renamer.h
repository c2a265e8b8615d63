// The renaming run: every listed name loses its blanks, in list order, until
// the first failure.
#pragma once

#include "unspacer/names.h"

#include <QString>

#include <optional>
#include <vector>

namespace unspacer {

struct RenameFailure {
    NativeName from;
    NativeName to;
    int code = 0; // errno on POSIX, GetLastError() on Windows
};

// Renames the files of the current folder named in `names`, in order. Stops
// at the first rename that fails: files before it keep their new names, it
// and all after it keep their old ones.
std::optional<RenameFailure> renameAll(const std::vector<NativeName>& names);

// The lines the user is shown for a failed rename.
QString failureMessage(const RenameFailure& failure);

// The lines the user is shown when the folder itself cannot be read.
QString folderFailureMessage(int code, const QString& folder);

} // namespace unspacer
