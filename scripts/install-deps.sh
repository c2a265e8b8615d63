#!/usr/bin/env bash
# Installs what building, running and testing Tarnwell needs on Debian 12,
# skipping the package manager when everything is there already.
set -euo pipefail

packages=(
    build-essential cmake ninja-build pkg-config
    qt6-base-dev libgl-dev libgif-dev libfontconfig-dev
    # Faces that stand in for the Windows fonts the windows are designed
    # with, and that carry the Arabic glyphs.
    fontconfig fonts-noto-core fonts-hosny-amiri fonts-kacst fonts-liberation2 fonts-dejavu-core
    fonts-wine fonts-comic-neue
    # Not used by Tarnwell: the test that the pictures stay the same when a
    # package with the same face names (one a web browser pulls in) is there.
    fonts-liberation
    # Switching the keyboard layout group on X11.
    libx11-dev
    # A virtual display with a notification area for looking at the windows
    # and driving them in the end-to-end tests, and the rename tool the
    # Unspacer benchmark compares against.
    xvfb xauth trayer xdotool xclip x11-utils imagemagick rename
    # A window manager for the end-to-end step that minimises windows, and a
    # private desktop bus for the notification icon's status-notifier tests.
    openbox
    dbus-daemon
    # Packaging: the Debian package's dependencies and the metainfo and
    # desktop-entry checks.
    dpkg-dev file appstream desktop-file-utils
    # The Windows units compiled with a Windows cross compiler (CI).
    g++-mingw-w64-x86-64-win32
)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$p")
    fi
done

if [ ${#missing[@]} -eq 0 ]; then
    exit 0
fi

SUDO=""
if [ "$(id -u)" -ne 0 ]; then
    SUDO="sudo"
fi
echo "Installing: ${missing[*]}"
$SUDO apt-get update -q
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -q --no-install-recommends "${missing[@]}"
