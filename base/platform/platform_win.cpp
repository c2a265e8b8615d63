// Platform layer for Windows.
#include "platform.h"

#include <QWidget>

#include <windows.h>
#include <shellapi.h>

namespace platform {

bool loadKeyboardLayout(const QString& layoutId, bool activate)
{
    const std::wstring id = layoutId.toStdWString();
    return LoadKeyboardLayoutW(id.c_str(), activate ? KLF_ACTIVATE : 0) != nullptr;
}

int openDocument(const QString& address, const QString& workingFolder)
{
    const std::wstring file = address.toStdWString();
    const std::wstring dir = workingFolder.toStdWString();
    const auto result = reinterpret_cast<INT_PTR>(
        ShellExecuteW(nullptr, L"open", file.c_str(), L"", dir.c_str(), SW_SHOWNORMAL));
    return static_cast<int>(result);
}

void setOnTop(QWidget* window, bool onTop)
{
    SetWindowPos(reinterpret_cast<HWND>(window->winId()), onTop ? HWND_TOPMOST : HWND_NOTOPMOST,
                 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
}

bool ensureVisualStyles(const QString&)
{
    // Qt applies the system's visual styles itself.
    return true;
}

} // namespace platform
