#!/usr/bin/env bash
# Checks an installed tree: check-layout.sh <root> <prefix> [<build bin folder>]
# <root> is the DESTDIR of a staged install (or the folder a Debian package
# was unpacked into) and <prefix> the install prefix inside it. Verifies the
# application folder with its programs and every delivered picture and
# settings file, the launchers, the desktop entry, the icons and the
# metainfo, and that nothing else was installed. Given the build's bin
# folder, also that the application folder holds exactly what it delivers.
set -euo pipefail

root="${1:?usage: check-layout.sh <root> <prefix> [<bin>]}"
prefix="${2:?usage: check-layout.sh <root> <prefix> [<bin>]}"
bin="${3:-}"
base="$root$prefix"
app="$base/lib/tarnwell"
id=io.github.tarnwell.Tarnwell
failures=0

fail() {
    echo "check-layout: $*" >&2
    failures=$((failures + 1))
}
need_file() { [ -f "$1" ] || fail "missing file ${1#"$root"}"; }
need_exec() { [ -f "$1" ] && [ -x "$1" ] || fail "missing program ${1#"$root"}"; }
count() { # <expected> <description> <files...>
    local expected="$1" what="$2" n=0 f
    shift 2
    for f in "$@"; do [ -f "$f" ] && n=$((n + 1)); done
    [ "$n" -eq "$expected" ] || fail "$what: $n of $expected"
}

# The application folder.
need_exec "$app/tarnwell"
need_exec "$app/unspacer"
need_file "$app/logo.gif"
need_file "$app/fonts.conf"
need_file "$app/zqLink/Links.dat"
need_file "$app/Border/BordSite.dat"
count 138 "link pictures" "$app"/zqLink/Link{0..137}.gif
count 60 "border pictures" "$app"/Border/b{0..59}.gif
count 4 "option pictures" "$app"/zqOptions/{1..4}.gif
for set in happy psmilie crazy; do
    count 41 "$set smilies" "$app/pics/$set"/0{0{1..9},{10..41}}.gif
done
for dat in "$app/zqLink/Links.dat" "$app/Border/BordSite.dat"; do
    [ -s "$dat" ] || fail "empty settings file ${dat#"$root"}"
done

# Launchers: links that lead into the application folder of the same tree.
for program in tarnwell unspacer; do
    launcher="$base/bin/$program"
    if [ ! -L "$launcher" ]; then
        fail "missing launcher ${launcher#"$root"}"
    elif [ "$(readlink -f "$launcher")" != "$(readlink -f "$app/$program")" ]; then
        fail "${launcher#"$root"} leads to $(readlink "$launcher"), not to the application folder"
    fi
done

# Desktop entry, icons, metainfo.
desktop="$base/share/applications/$id.desktop"
need_file "$desktop"
if [ -f "$desktop" ]; then
    for line in 'Exec=tarnwell' 'Icon=tarnwell' 'Name=Tarnwell' 'Name\[ar\]=' 'Comment\[ar\]=' 'Categories=' 'StartupWMClass=Tarnwell'; do
        grep -q "^$line" "$desktop" || fail "desktop entry lacks $line"
    done
fi
for n in 16 22 24 32 48 64 128 256; do
    need_file "$base/share/icons/hicolor/${n}x${n}/apps/tarnwell.png"
done
need_file "$base/share/metainfo/$id.metainfo.xml"

# Nothing but the programs, their folder and the desktop files.
unexpected=$(cd "$base" && find . -mindepth 1 -maxdepth 2 |
    grep -v -x -E '\./(bin|lib|share)|\./bin/(tarnwell|unspacer)|\./lib/tarnwell|\./share/(applications|icons|metainfo)' || true)
[ -z "$unexpected" ] || fail "unexpected entries under the prefix: $(echo "$unexpected" | tr '\n' ' ')"
if [ -n "$bin" ]; then
    # The same files as the build delivers, with the same content (the
    # programs themselves may be stripped).
    delivered=$(cd "$bin" && find . -type f | LC_ALL=C sort)
    installed=$(cd "$app" && find . -type f | LC_ALL=C sort)
    [ "$delivered" = "$installed" ] ||
        fail "application folder differs from $bin: $(diff <(echo "$delivered") <(echo "$installed") | grep '^[<>]' | tr '\n' ' ')"
    while read -r f; do
        case "$f" in ./tarnwell | ./unspacer) continue ;; esac
        cmp -s "$bin/$f" "$app/$f" || fail "${app#"$root"}/${f#./} differs from the build's"
    done <<<"$delivered"
else
    extra=$(cd "$app" && find . -mindepth 1 -maxdepth 1 |
        grep -v -x -E '\./(tarnwell|unspacer|logo\.gif|logo@2x\.gif|fonts\.conf|zqLink|Border|zqOptions|pics)' || true)
    [ -z "$extra" ] || fail "unexpected entries in the application folder: $(echo "$extra" | tr '\n' ' ')"
fi

if [ "$failures" -ne 0 ]; then
    echo "check-layout: $failures problem(s) in $base" >&2
    exit 1
fi
echo "check-layout: $base is complete"
