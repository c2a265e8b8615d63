# Helpers of the end-to-end suite, sourced by run.sh: reporting, the display
# and the notification area, finding and closing windows, clicks in twips,
# pictures of windows and the clipboard. A failed check saves a picture of
# the screen beside the build and ends the suite.

# ---- reporting -------------------------------------------------------------

E2E_STEP="setting up"
E2E_PIDS=()

now_ms() { echo $((${EPOCHREALTIME/./} / 1000)); }
E2E_START_MS=$(now_ms)
seconds_since() { # <milliseconds>
    local ms=$(($(now_ms) - $1))
    printf '%d.%d' $((ms / 1000)) $((ms % 1000 / 100))
}
log() { printf '[e2e %6ss] %s\n' "$(seconds_since "$E2E_START_MS")" "$*"; }

# Saves a picture of the whole screen and ends the suite (the EXIT trap of
# run.sh stops what it started).
fail() {
    echo "e2e: FAILED in step '$E2E_STEP': $*" >&2
    if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
        local name shot
        name=$(echo "$E2E_STEP" | tr -c 'A-Za-z0-9' '-' | tr -s '-' | sed 's/-$//')
        shot="$E2E_OUT/e2e-failure-$name.png"
        if picture -window root "$shot"; then
            echo "e2e: picture of the screen at the failure: $shot" >&2
        fi
    fi
    exit 1
}

# Runs one step function: step <function> <description>
step() {
    E2E_STEP="$2"
    local t0
    t0=$(now_ms)
    "$1"
    log "ok  $2 ($(seconds_since "$t0")s)"
}

expect_eq() { # <what> <expected> <actual>
    [ "$2" = "$3" ] || fail "$1: expected '$2', got '$3'"
}

# Polls a command every tenth of a second: wait_until <seconds> <command...>
wait_until() {
    local deadline=$(($(date +%s) + $1))
    shift
    until "$@"; do
        [ "$(date +%s)" -lt "$deadline" ] || return 1
        sleep 0.1
    done
}

# ---- display ---------------------------------------------------------------

# A display of the suite's own. Suites started side by side (other
# worktrees, CI) may pick the same free number at the same moment: the X
# server's lock file decides, holding the pid of the server that won, and
# the other server ends at once, so a display is taken only when its lock
# names the server started here and it answers; otherwise the next number
# is tried. An X server also resets itself when its last client leaves and
# turns connections away while it does: -noreset keeps the probe's leaving
# from turning the notification area away.
start_display() {
    local n=90 pid deadline _
    for _ in 1 2 3 4 5; do
        while [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ]; do n=$((n + 1)); done
        Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp -noreset >"$E2E_WORK/xvfb.log" 2>&1 &
        pid=$!
        export DISPLAY=":$n"
        deadline=$(($(date +%s) + 10))
        while kill -0 "$pid" 2>/dev/null && [ "$(date +%s)" -lt "$deadline" ]; do
            if [ "$(tr -d ' \n' 2>/dev/null <"/tmp/.X$n-lock")" = "$pid" ] &&
                xdpyinfo >/dev/null 2>&1; then
                E2E_PIDS+=("$pid")
                return 0
            fi
            sleep 0.1
        done
        kill "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
        n=$((n + 1))
    done
    fail "Xvfb did not start (last tried $DISPLAY)"
}

# A notification area along the top edge of the screen, for the tray icon.
start_tray() {
    trayer --edge top --align right --widthtype request --height 24 --SetDockType false \
        >"$E2E_WORK/trayer.log" 2>&1 &
    E2E_PIDS+=($!)
    wait_until 10 tray_window >/dev/null || fail "trayer did not take the notification area"
}

# The window of the notification area (the owner of the tray selection).
tray_window() { "$E2E_WORK/xtool" owner _NET_SYSTEM_TRAY_S0 2>/dev/null; }

stop_all() {
    local pid
    for pid in "${E2E_PIDS[@]}"; do kill "$pid" 2>/dev/null || true; done
    for pid in "${E2E_PIDS[@]}"; do wait "$pid" 2>/dev/null || true; done
    E2E_PIDS=()
}

# ---- windows and processes -------------------------------------------------

# The first visible window whose title matches the regex, or nothing.
visible_window() { xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n1; }

# Waits for a visible window and prints its id: wait_window <title regex> [<seconds>]
wait_window() {
    local id="" deadline=$(($(date +%s) + ${2:-20}))
    until id=$(visible_window "$1") && [ -n "$id" ]; do
        [ "$(date +%s)" -lt "$deadline" ] || fail "no visible window titled /$1/"
        sleep 0.1
    done
    echo "$id"
}

map_state() { xwininfo -id "$1" 2>/dev/null | sed -n 's/^ *Map State: *//p'; }
is_shown() { [ "$(map_state "$1")" = IsViewable ]; }
is_hidden() { ! is_shown "$1"; }
is_running() { kill -0 "$1" 2>/dev/null; }
has_ended() { ! kill -0 "$1" 2>/dev/null; }

# What a window manager's close button does.
close_window() { "$E2E_WORK/xtool" close "$1" || fail "could not ask window $1 to close"; }

# Waits for a started program to end and checks its exit status:
# expect_exit <pid> <status> [<seconds>]
expect_exit() {
    wait_until "${3:-10}" has_ended "$1" || fail "process $1 did not end"
    local status=0
    wait "$1" || status=$?
    expect_eq "exit status of process $1" "$2" "$status"
}

# The program's icon in the notification area: the small visible window of
# the process, embedded in the tray. tray_icon <pid>
tray_icon() {
    local id w h
    for id in $(xdotool search --onlyvisible --pid "$1" 2>/dev/null); do
        eval "$(xdotool getwindowgeometry --shell "$id" | grep -E '^(WIDTH|HEIGHT)=')"
        w=$WIDTH h=$HEIGHT
        if [ "$w" -le 64 ] && [ "$h" -le 64 ]; then
            echo "$id"
            return 0
        fi
    done
    return 1
}
# Waits for the icon: wait_tray_icon <pid> <seconds>
wait_tray_icon() {
    local deadline=$(($(date +%s) + $2))
    until tray_icon "$1"; do
        [ "$(date +%s)" -lt "$deadline" ] || return 1
        sleep 0.2
    done
}

# Gives a window the keyboard. Without a window manager the focus stays
# where the last dialog left it, so every typing step says where it types.
focus_window() { xdotool windowfocus --sync "$1" 2>/dev/null || true; }

# Keys and text into a window: key_in_window <window> <keys...>,
# type_in_window <window> <text> (replacing the focused box's text)
key_in_window() {
    local window="$1"
    shift
    focus_window "$window"
    xdotool key --clearmodifiers "$@"
}
type_in_window() {
    focus_window "$1"
    xdotool key --clearmodifiers ctrl+a
    xdotool type --delay 20 "$2"
}

# ---- mouse -----------------------------------------------------------------

# A click at a point of a window given in twips (15 twips = 1 pixel):
# click_twips <window> <x> <y> [<button>]
click_twips() {
    xdotool mousemove --window "$1" $(($2 / 15)) $(($3 / 15)) click "${4:-1}" ||
        fail "could not click window $1 at $2,$3 twips"
}

# The middle of a rectangle given as left, top, width, height in twips:
# click_rect <window> <left> <top> <width> <height> [<button>]
click_rect() { click_twips "$1" $(($2 + $4 / 2)) $(($3 + $5 / 2)) "${6:-1}"; }

# A click on a control of a page of the main window, placed by the page's
# origin and the control's rectangle in twips:
# page_click <page left> <page top> <left> <top> <width> <height> [<button>]
page_click() { click_rect "$TARNWELL_WIN" $(($1 + $3)) $(($2 + $4)) "$5" "$6" "${7:-1}"; }

# ---- pictures --------------------------------------------------------------

# ImageMagick's import, bounded in time: it can wait for ever on a window
# that goes away while it reads it.
picture() { timeout 20 import -silent "$@" 2>/dev/null; }

# A picture of a window: shot <window> <file>
shot() { picture -window "$1" "$2" || fail "no picture of window $1"; }

# A checksum of a rectangle of a window, in twips:
# region_sum <window> <left> <top> <width> <height>
region_sum() {
    picture -window "$1" -crop "$(($4 / 15))x$(($5 / 15))+$(($2 / 15))+$(($3 / 15))" rgb:- |
        md5sum | cut -c1-32
}

# Waits until a rectangle's checksum differs from the one given and prints
# the new one: wait_region_change <old sum> <window> <left> <top> <width> <height>
wait_region_change() {
    local old="$1" sum deadline=$(($(date +%s) + 5))
    shift
    while sum=$(region_sum "$@") && [ "$sum" = "$old" ]; do
        [ "$(date +%s)" -lt "$deadline" ] || fail "the window did not change after the click"
        sleep 0.1
    done
    echo "$sum"
}

# The number of different colours in a picture: a blank window has one or two.
colour_count() { identify -format '%k' "$1" 2>/dev/null; }

# ---- clipboard -------------------------------------------------------------

clipboard() { xclip -o -selection clipboard 2>/dev/null || true; }
clipboard_filled() { [ -n "$(clipboard)" ]; }
clear_clipboard() { printf '' | xclip -selection clipboard -i >/dev/null 2>&1 || true; }

# Copies what is selected in a window with Ctrl+C and prints the clipboard:
# copy_selection [<window>]
copy_selection() {
    clear_clipboard
    key_in_window "${1:-$TARNWELL_WIN}" ctrl+c
    wait_until 3 clipboard_filled || fail "nothing reached the clipboard"
    clipboard
}
