#!/usr/bin/env bash
# Checks a built Debian package: check-deb.sh <tarnwell_*.deb> [<unpack folder>]
# Its control fields (name, version, dependencies on the Qt libraries the
# binaries link and on the font packages), then its files, unpacked and
# checked like an install (against the build's bin folder too when BIN_DIR
# names it). Prints the package's size and installed size.
set -euo pipefail

deb="${1:?usage: check-deb.sh <deb> [<unpack folder>]}"
here="$(cd "$(dirname "$0")" && pwd)"
unpack="${2:-$(dirname "$deb")/deb-root}"
failures=0
fail() {
    echo "check-deb: $*" >&2
    failures=$((failures + 1))
}

field() { dpkg-deb --field "$deb" "$1"; }
[ "$(field Package)" = tarnwell ] || fail "package name is '$(field Package)'"
[ "$(field Version)" = 1.3 ] || fail "version is '$(field Version)'"
[ "$(field Architecture)" = "$(dpkg --print-architecture)" ] || fail "architecture is '$(field Architecture)'"

depends="$(field Depends)"
# One entry per package name, without the version constraints.
names=" $(echo "$depends" | tr ',' '\n' | sed -E 's/^ *//; s/[ (].*//' | tr '\n' ' ') "
for p in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 \
    fonts-noto-core fonts-hosny-amiri fonts-kacst fonts-liberation2 fonts-dejavu-core \
    fonts-wine fonts-comic-neue; do
    case "$names" in
    *" $p "*) ;;
    *) fail "Depends lacks $p" ;;
    esac
done
# The Qt libraries come from the binaries (dpkg-shlibdeps), with versions.
echo "$depends" | grep -q 'libqt6widgets6 (>=' || fail "Depends has no versioned libqt6widgets6: shlibdeps did not run"

rm -rf "$unpack"
dpkg-deb --extract "$deb" "$unpack"
"$here/check-layout.sh" "$unpack" /usr ${BIN_DIR:+"$BIN_DIR"} || failures=$((failures + 1))
# Binaries are stripped for the package.
for program in tarnwell unspacer; do
    file -L "$unpack/usr/lib/tarnwell/$program" | grep -q 'not stripped' &&
        fail "$program is not stripped"
done

if [ "$failures" -ne 0 ]; then
    echo "check-deb: $failures problem(s) in $deb" >&2
    exit 1
fi
echo "check-deb: $(basename "$deb"): $(stat -c %s "$deb") bytes, installed size $(field Installed-Size) KiB"
echo "check-deb: Depends: $depends"
