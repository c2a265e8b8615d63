#!/usr/bin/env bash
# Installs the build into a scratch root and checks what landed there:
# test-install.sh <build folder>
set -euo pipefail
build="$(cd "${1:?usage: test-install.sh <build folder>}" && pwd)"
here="$(cd "$(dirname "$0")" && pwd)"
root="$build/install-test"
rm -rf "$root"
DESTDIR="$root" cmake --install "$build" --prefix /usr >/dev/null
"$here/check-layout.sh" "$root" /usr "$build/bin"
