#!/usr/bin/env bash
# End-to-end suite: drives Tarnwell and Unspacer on a real X server (Xvfb)
# with a notification area (trayer), clicking with xdotool as a user would
# and reading the real clipboard with xclip.
#
#   tests/e2e/run.sh                      the programs in build/bin
#   tests/e2e/run.sh --bin <folder>       the programs in another folder
#   tests/e2e/run.sh --root <root> [--prefix /usr]
#                                         an install staged in <root> (DESTDIR
#                                         or an unpacked Debian package),
#                                         started through its launchers
#
# A failed check saves a picture of the screen as
# <build>/e2e-failure-<step>.png (E2E_OUT picks another folder) and prints
# its path. The settings files of the application folder are put back as
# they were when the suite ends.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
repo="$(cd "$here/../.." && pwd)"

bin="" root="" prefix=/usr
while [ $# -gt 0 ]; do
    case "$1" in
    --bin) bin="$2"; shift 2 ;;
    --root) root="$2"; shift 2 ;;
    --prefix) prefix="$2"; shift 2 ;;
    *) echo "usage: $0 [--bin <folder> | --root <root> [--prefix <prefix>]]" >&2; exit 2 ;;
    esac
done
if [ -n "$root" ]; then
    root="$(cd "$root" && pwd)"
    TARNWELL="$root$prefix/bin/tarnwell"
    UNSPACER="$root$prefix/bin/unspacer"
    APP_DIR="$root$prefix/lib/tarnwell"
else
    APP_DIR="$(cd "${bin:-$repo/build/bin}" && pwd)"
    TARNWELL="$APP_DIR/tarnwell"
    UNSPACER="$APP_DIR/unspacer"
fi
for p in "$TARNWELL" "$UNSPACER"; do
    [ -x "$p" ] || { echo "e2e: no program $p (build first)" >&2; exit 1; }
done
E2E_OUT="${E2E_OUT:-$repo/build}"
mkdir -p "$E2E_OUT"
rm -f "$E2E_OUT"/e2e-failure-*.png

# Step files add their steps to one of two runs of the program:
#   register shown <function> <description>   while the main window is shown,
#                                             before the exit tab ends it
#   register hidden <function> <description>  after its window was closed,
#                                             the tray's steps; the last one
#                                             ends the program
#   register alone <function> <description>   after those runs; each starts
#                                             and ends the program itself
SHOWN_STEPS=()
HIDDEN_STEPS=()
ALONE_STEPS=()
register() {
    case "$1" in
    shown) SHOWN_STEPS+=("$2|$3") ;;
    hidden) HIDDEN_STEPS+=("$2|$3") ;;
    alone) ALONE_STEPS+=("$2|$3") ;;
    esac
}
run_steps() {
    local entry
    for entry in "$@"; do step "${entry%%|*}" "${entry#*|}"; done
}
source "$here/lib.sh"
for file in "$here"/steps_*.sh; do source "$file"; done

E2E_WORK="$(mktemp -d "${TMPDIR:-/tmp}/tarnwell-e2e.XXXXXX")"
settings=(zqLink/Links.dat Border/BordSite.dat)
for f in "${settings[@]}"; do cp -p "$APP_DIR/$f" "$E2E_WORK/$(basename "$f").saved"; done

cleanup() {
    local status=$?
    stop_tarnwell 2>/dev/null || true
    [ -n "${UNSPACER_PID:-}" ] && kill "$UNSPACER_PID" 2>/dev/null || true
    stop_all
    for f in "${settings[@]}"; do
        cmp -s "$E2E_WORK/$(basename "$f").saved" "$APP_DIR/$f" ||
            cp -p "$E2E_WORK/$(basename "$f").saved" "$APP_DIR/$f" 2>/dev/null || true
    done
    if [ "$status" -eq 0 ]; then
        rm -rf "$E2E_WORK"
    else
        echo "e2e: logs and pictures of the run are in $E2E_WORK" >&2
    fi
}
trap cleanup EXIT
set -E
trap 'fail "command failed: $BASH_COMMAND (line $LINENO)"' ERR

# The programs see a plain session: no desktop bus (the tray icon goes
# through the notification area's own protocol), UTF-8 file names.
unset DBUS_SESSION_BUS_ADDRESS QT_QPA_PLATFORM QT_QPA_PLATFORMTHEME
export QT_QPA_PLATFORM=xcb LC_ALL=C.UTF-8
export XDG_RUNTIME_DIR="$E2E_WORK/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"

cc -O1 -o "$E2E_WORK/xtool" "$here/xtool.c" -lX11 || fail "could not build the X helper"
start_display
start_tray
log "display $DISPLAY with a notification area; programs from $(dirname "$TARNWELL")"

# The main window, one run from start to the exit tab.
step step_start "start-up shows the main window"
step step_pages "each tab shows its page"
step step_smilies_window "the smilies tab opens the picker"
run_steps "${SHOWN_STEPS[@]}"
step step_exit_tab "the exit tab ends the program"

# A second run: closing hides the window; the tray's steps bring it back.
step step_close_hides "closing the main window"
if [ -n "$TRAY_ICON" ]; then
    run_steps "${HIDDEN_STEPS[@]}"
else
    log "skipped the tray's steps: the program showed no notification icon"
fi
stop_tarnwell
run_steps "${ALONE_STEPS[@]}"

step step_unspacer_renames "Unspacer strips the blanks from the names in its folder"
step step_unspacer_collision "Unspacer stops at a name that is taken"

log "all steps passed"
