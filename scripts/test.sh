#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test (headless).
# TARNWELL_WERROR=ON makes compiler warnings errors; BUILD_DIR picks the
# build folder; extra arguments go to CMake (e.g. -DTARNWELL_SANITIZE=ON).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
export QT_QPA_PLATFORM=offscreen
BUILD_DIR="${BUILD_DIR:-build}" scripts/build.sh -DTARNWELL_WERROR="${TARNWELL_WERROR:-OFF}" "$@"
ctest --test-dir "${BUILD_DIR:-build}" --output-on-failure -j2
