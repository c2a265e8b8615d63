// File names as the operating system hands them over, and what Unspacer does
// with them: strip blanks, show them, sort them like a file list box.
#pragma once

#include <QString>

#include <string>
#include <vector>

namespace unspacer {

// Names are kept in the system's own form from listing to rename, so a name
// that is not valid text survives byte for byte: raw bytes on POSIX systems,
// UTF-16 units on Windows.
#ifdef _WIN32
using NativeName = std::wstring;
#else
using NativeName = std::string;
#endif

// Only U+0020 counts as a blank; tabs and no-break spaces stay. A 0x20 unit is
// always that character: UTF-8 and the other ASCII-compatible multibyte
// encodings never use it inside a sequence, so raw bytes can be filtered
// without decoding.
bool hasBlank(const NativeName& name);
NativeName withoutBlanks(const NativeName& name);

// The name as well as it can be shown; bytes that are not valid in the
// system encoding become U+FFFD.
QString displayName(const NativeName& name);

// Case-insensitive order of a file list box: by case-folded name, ties
// (names differing only in case, or in undecodable bytes) broken on the exact
// name so the order never depends on how the folder was read.
void sortLikeFileList(std::vector<NativeName>& names);

} // namespace unspacer
