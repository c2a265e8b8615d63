#!/usr/bin/env bash
# Compiles the Windows-only units with Debian's MinGW cross compiler, as far
# as that is possible without a Windows build of Qt: every one of them uses
# a few Qt types (QString, QDir, QWidget), so they are checked against
# declarations of just those members (scripts/windows-check/) with
# -fsyntax-only. What this proves is that their calls to the Windows API,
# its headers, types and casts, compile for Windows with warnings as errors;
# the Qt side is compiled for real by the Windows build (README).
set -euo pipefail
cd "$(dirname "$0")/.."
CXX="${MINGW_CXX:-x86_64-w64-mingw32-g++}"
if ! command -v "$CXX" >/dev/null; then
    echo "check-windows: $CXX is missing (scripts/install-deps.sh installs it)" >&2
    exit 1
fi
units=(unspacer/platform_windows.cpp base/platform/platform_win.cpp base/platform/fontsetup_win.cpp)
for unit in "${units[@]}"; do
    "$CXX" -std=c++20 -fsyntax-only -Wall -Wextra -Wpedantic -Werror \
        -DUNICODE -D_UNICODE -DWIN32 \
        -isystem scripts/windows-check -I. "$unit"
    echo "check-windows: $unit compiles for Windows"
done
