#!/usr/bin/env bash
# Configures and builds Tarnwell into build/ (the program and everything
# delivered with it end up together in build/bin/).
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD_DIR="${BUILD_DIR:-build}"
cmake -S . -B "$BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE="${BUILD_TYPE:-RelWithDebInfo}" "$@"
cmake --build "$BUILD_DIR" -j"$(nproc)"
