// The one message Unspacer can show, behind a replaceable function so that
// tests can read it instead of facing a modal dialog.
#pragma once

#include <QString>

#include <functional>

namespace unspacer {

inline constexpr auto kMessageTitle = u"Unspacer";

using MessageBoxFunction = std::function<void(const QString& title, const QString& text)>;

// Shows a critical message box titled "Unspacer" (or hands it to the
// replacement) and returns once the user has dismissed it.
void showCritical(const QString& text);

// Installs `fn` in place of the real message box; an empty function restores
// it. Returns the previous replacement.
MessageBoxFunction replaceMessageBox(MessageBoxFunction fn);

} // namespace unspacer
