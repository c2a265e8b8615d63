// The renaming run and the wording of its failures.
#include "unspacer/renamer.h"

#include "unspacer/platform.h"

using namespace Qt::StringLiterals;

namespace unspacer {

std::optional<RenameFailure> renameAll(const std::vector<NativeName>& names)
{
    for (const NativeName& from : names) {
        // A name without blanks would be renamed to itself; skipping it saves
        // a system call and leaves the disk the same.
        if (!hasBlank(from))
            continue;
        NativeName to = withoutBlanks(from);
        if (const int code = renameNoReplace(from, to); code != 0)
            return RenameFailure{from, std::move(to), code};
    }
    return std::nullopt;
}

namespace {
QString errorLine(int code)
{
    return u"Run-time error %1: %2"_s.arg(code).arg(errorText(code));
}
} // namespace

QString failureMessage(const RenameFailure& failure)
{
    return errorLine(failure.code) + u'\n' +
           u"Could not rename \"%1\" to \"%2\"."_s.arg(displayName(failure.from),
                                                       displayName(failure.to));
}

QString folderFailureMessage(int code, const QString& folder)
{
    return errorLine(code) + u'\n' + u"Could not read the folder \"%1\"."_s.arg(folder);
}

} // namespace unspacer
