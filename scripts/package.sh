#!/usr/bin/env bash
# Builds the Debian package build/tarnwell_<version>_<arch>.deb and checks
# its control fields and file list (packaging/check-deb.sh).
# BUILD_DIR picks the build folder; extra arguments go to CMake.
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD_DIR="${BUILD_DIR:-build}"
scripts/install-deps.sh
scripts/build.sh "$@"
(cd "$BUILD_DIR" && cpack -G DEB >/dev/null)
deb="$(ls -t "$BUILD_DIR"/tarnwell_*.deb | head -n1)"
BIN_DIR="$BUILD_DIR/bin" packaging/check-deb.sh "$deb" "$BUILD_DIR/deb-root"
echo "$deb"
