// Platform layer for Windows.
#include "base/platform/platform.h"
#include "base/platform/shellanswer_win.h"

#include <QDir>
#include <QWidget>

// windows.h first, in a block of its own so that sorting keeps it there:
// shellapi.h builds on its types.
#include <windows.h>

#include <shellapi.h>

namespace platform {

namespace {

class WindowsPlatform : public Platform {
public:
    bool loadKeyboardLayout(const QString& layoutId, bool activate) override
    {
        const std::wstring id = layoutId.toStdWString();
        return LoadKeyboardLayoutW(id.c_str(), activate ? KLF_ACTIVATE : 0) != nullptr;
    }

    OpenResult openDocument(const QString& address, const QString& workingFolder,
                            LateFailure) override
    {
        // The shell's answer is final: nothing fails later.
        const std::wstring file = address.toStdWString();
        const std::wstring dir = QDir::toNativeSeparators(workingFolder).toStdWString();
        // Shown normally: a browser opened hidden would be a failure that
        // looks like success.
        const auto result = reinterpret_cast<INT_PTR>(
            ShellExecuteW(nullptr, L"open", file.c_str(), L"", dir.c_str(), SW_SHOWNORMAL));
        // Read as a 32-bit number, as the shell's answers are documented.
        return fromShellAnswer(static_cast<int>(result));
    }

    void setOnTop(QWidget* window, bool onTop) override
    {
        SetWindowPos(reinterpret_cast<HWND>(window->winId()), onTop ? HWND_TOPMOST : HWND_NOTOPMOST,
                     0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    }

    void markToolWindow(QWidget* window) override
    {
        // A tool window stays out of the taskbar by its own style; only an
        // empty caption, which Qt fills with the program's name, is emptied.
        if (window->windowTitle().isEmpty())
            SetWindowTextW(reinterpret_cast<HWND>(window->winId()), L"");
    }

    bool startHidden(const QString& program, const QString& workingFolder) override
    {
        const std::wstring file = QDir::toNativeSeparators(program).toStdWString();
        const std::wstring dir = QDir::toNativeSeparators(workingFolder).toStdWString();
        const auto result = reinterpret_cast<INT_PTR>(
            ShellExecuteW(nullptr, L"open", file.c_str(), L"", dir.c_str(), SW_HIDE));
        return result > 32;
    }

    bool setFileHidden(const QString& path) override
    {
        const std::wstring file = QDir::toNativeSeparators(path).toStdWString();
        return SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_HIDDEN) != 0;
    }

    bool usesVisualStylesManifest() const override { return true; }
};

} // namespace

std::unique_ptr<Platform> createNative()
{
    return std::make_unique<WindowsPlatform>();
}

} // namespace platform
