#!/usr/bin/env bash
# Regenerates the README's pictures in docs/: a picture of every page of the
# main window and of the secondary windows, taken by the tarnwell_shots tool
# (headless) from the built program, reduced to 256 colours to keep them
# small. BUILD_DIR picks the build folder.
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD_DIR="${BUILD_DIR:-build}"
cmake --build "$BUILD_DIR" --target tarnwell_shots tarnwell_pictures >/dev/null

shots="$(mktemp -d)"
trap 'rm -rf "$shots"' EXIT
QT_QPA_PLATFORM=offscreen TARNWELL_BIN_DIR="$PWD/$BUILD_DIR/bin" \
    "$BUILD_DIR/tools/tarnwell_shots" "$shots"

mkdir -p docs
for picture in "$shots"/*.png; do
    name="$(basename "$picture")"
    # Page 4 is only the logo behind the smilies picker; the about page
    # shows the same.
    [ "$name" = page4.png ] && continue
    convert "$picture" -dither None -colors 256 "PNG8:docs/$name"
    echo "docs/$name: $(stat -c %s "docs/$name") bytes"
done
echo "docs/: $(du -cb docs/*.png | tail -n1 | cut -f1) bytes of pictures"
