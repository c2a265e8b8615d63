// Listing and no-replace renaming on Windows, on UTF-16 names as the system
// stores them.
#include "unspacer/platform.h"

#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

namespace unspacer {

namespace {

int lastError()
{
    const DWORD err = GetLastError();
    return err != 0 ? static_cast<int>(err) : static_cast<int>(ERROR_GEN_FAILURE);
}

// The name in the current folder as a \\?\ path: without the prefix Win32
// trims trailing blanks and dots, so "a b " could not even be addressed.
std::wstring fullPath(const NativeName& name)
{
    const DWORD size = GetCurrentDirectoryW(0, nullptr);
    if (size == 0)
        return name;
    std::wstring dir(size, L'\0');
    dir.resize(GetCurrentDirectoryW(size, dir.data()));

    std::wstring path;
    if (dir.starts_with(L"\\\\?\\"))
        path = dir;
    else if (dir.starts_with(L"\\\\"))
        path = L"\\\\?\\UNC\\" + dir.substr(2);
    else
        path = L"\\\\?\\" + dir;
    if (!path.ends_with(L'\\'))
        path += L'\\';
    return path + name;
}

} // namespace

int listFolder(std::vector<NativeName>& names)
{
    WIN32_FIND_DATAW data{};
    const HANDLE find = FindFirstFileExW(fullPath(L"*").c_str(), FindExInfoBasic, &data,
                                         FindExSearchNameMatch, nullptr, FIND_FIRST_EX_LARGE_FETCH);
    if (find == INVALID_HANDLE_VALUE) {
        const DWORD err = GetLastError();
        return err == ERROR_FILE_NOT_FOUND ? 0 : lastError();
    }
    constexpr DWORD notListed =
        FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
    int err = 0;
    for (;;) {
        if ((data.dwFileAttributes & notListed) == 0)
            names.emplace_back(data.cFileName);
        if (!FindNextFileW(find, &data)) {
            if (GetLastError() != ERROR_NO_MORE_FILES)
                err = lastError();
            break;
        }
    }
    FindClose(find);
    return err;
}

int renameNoReplace(const NativeName& from, const NativeName& to)
{
    // No MOVEFILE_REPLACE_EXISTING: the move fails when the new name exists.
    return MoveFileExW(fullPath(from).c_str(), fullPath(to).c_str(), 0) ? 0 : lastError();
}

QString errorText(int code)
{
    wchar_t* buffer = nullptr;
    const DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, static_cast<DWORD>(code), 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
    if (length == 0 || buffer == nullptr)
        return QStringLiteral("Unknown error");
    QString text = QString::fromWCharArray(buffer, static_cast<qsizetype>(length)).trimmed();
    LocalFree(buffer);
    return text;
}

} // namespace unspacer
