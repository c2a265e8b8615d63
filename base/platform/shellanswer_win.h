// How the Windows shell's answer to opening an address reads: its numbers
// belong to the Windows implementation alone. Free of Windows headers, so
// that the reading is tested on every platform.
#pragma once

#include "base/platform/platform.h"

namespace platform {

// ShellExecute's answer: 31 says that no program is associated with the
// address, a smaller number is the shell's error, and a larger one means it
// started (32 shows nothing either, as the program has always taken it).
inline OpenResult fromShellAnswer(int answer)
{
    constexpr int kNoAssociation = 31; // SE_ERR_NOASSOC
    if (answer > kNoAssociation)
        return {OpenOutcome::Opened};
    if (answer == kNoAssociation)
        return {OpenOutcome::NoAssociation};
    return {OpenOutcome::Failed, answer};
}

} // namespace platform
