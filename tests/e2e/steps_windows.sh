# Steps of the secondary windows under a window manager (openbox, started
# for these steps only: without one, minimising a window is a request that
# nobody carries out): the minimised smilies picker and preview come back,
# the preview keeps out of the taskbar with an empty caption, and it stays
# below the modal border viewer.

register alone step_windows_minimised "a minimised picker and preview come back"

start_window_manager() {
    openbox --sm-disable >"$E2E_WORK/openbox.log" 2>&1 &
    OPENBOX_PID=$!
    E2E_PIDS+=("$OPENBOX_PID")
    wait_until 10 has_window_manager || fail "openbox did not start"
}
has_window_manager() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }
stop_window_manager() {
    kill "$OPENBOX_PID" 2>/dev/null || true
    wait "$OPENBOX_PID" 2>/dev/null || true
    OPENBOX_PID=""
}

wm_state() { xprop -id "$1" WM_STATE 2>/dev/null | sed -n 's/^[[:space:]]*window state: *//p'; }
is_iconic() { [ "$(wm_state "$1")" = Iconic ]; }
is_normal() { [ "$(wm_state "$1")" = Normal ] && is_shown "$1"; }
net_state() { xprop -id "$1" _NET_WM_STATE 2>/dev/null; }
# Window ids as xprop writes them (0x...), bottom to top.
stacking() { xprop -root _NET_CLIENT_LIST_STACKING | sed 's/.*# //; s/, / /g'; }
stack_index() { # <window>
    local i=0 w
    for w in $(stacking); do
        [ $((w)) -eq $(($1)) ] && { echo "$i"; return; }
        i=$((i + 1))
    done
    echo -1
}

# The preview: the program's shown window without a caption.
preview_window() {
    local w
    for w in $(xdotool search --onlyvisible --pid "$TARNWELL_PID" 2>/dev/null); do
        [ -z "$(xdotool getwindowname "$w" 2>/dev/null)" ] && [ "$(xwininfo -id "$w" |
            sed -n 's/^ *Width: *//p')" = 120 ] && { echo "$w"; return 0; }
    done
    return 1
}

step_windows_minimised() {
    start_window_manager
    start_tarnwell
    click_tab 4
    local smile preview viewer
    smile=$(wait_window '^Smilies$')
    wait_until 5 is_normal "$smile" || fail "the picker did not come up"

    # Minimised, then the smilies tab chosen again: the picker is back.
    xdotool windowminimize "$smile"
    wait_until 5 is_iconic "$smile" || fail "the window manager did not minimise the picker"
    click_tab 3
    click_tab 4
    wait_until 5 is_normal "$smile" || fail "the picker stayed minimised ($(wm_state "$smile"))"

    # Out of the way of the main window's border page.
    xdotool windowmove --sync "$smile" 0 300 2>/dev/null || true
    sleep 0.3
    click_rect "$smile" 60 360 555 465 # AG(0)
    preview=$(wait_until 5 preview_window) || fail "no preview after a click on a smiley"
    # A taskbar that does not go by the window's type lists no blank entry.
    local state
    state=$(net_state "$preview")
    [[ "$state" == *_NET_WM_STATE_SKIP_TASKBAR* && "$state" == *_NET_WM_STATE_SKIP_PAGER* ]] ||
        fail "the preview does not keep out of the taskbar: $state"
    [[ "$state" == *_NET_WM_STATE_ABOVE* ]] || fail "the preview is not on top: $state"
    expect_eq "the preview's caption" '_NET_WM_NAME(UTF8_STRING) = ' \
        "$(xprop -id "$preview" _NET_WM_NAME 2>&1)"
    expect_eq "the preview's old-style caption" 'WM_NAME(STRING) = ' \
        "$(xprop -id "$preview" WM_NAME 2>&1)"

    # Minimised, then a new smiley clicked: the preview is back.
    xdotool windowminimize "$preview"
    wait_until 5 is_iconic "$preview" || fail "the window manager did not minimise the preview"
    click_rect "$smile" 665 360 555 465 # AG(1)
    wait_until 5 is_normal "$preview" || fail "the preview stayed minimised ($(wm_state "$preview"))"

    # The modal border viewer goes above the preview, and the preview back
    # on top once the viewer is gone.
    xdotool windowmove --sync "$preview" 1000 100 2>/dev/null || true # off the borders
    click_tab 2
    sleep 0.3
    page_click "${PAGE2[@]}" 3600 "$BORDER0_TOP" 600 675 3
    viewer=$(wait_window '^zqBorderViewer$' 10)
    sleep 0.5
    [ "$(stack_index "$viewer")" -gt "$(stack_index "$preview")" ] ||
        fail "the preview covers the modal border viewer (stacking $(stacking))"
    [[ "$(net_state "$preview")" != *_NET_WM_STATE_ABOVE* ]] ||
        fail "the preview stays above all while the viewer is open"
    [[ "$(net_state "$viewer")" == *_NET_WM_STATE_SKIP_TASKBAR* ]] ||
        fail "the border viewer does not keep out of the taskbar: $(net_state "$viewer")"
    click_rect "$viewer" 3060 4320 1875 375 # cmdHide
    wait_until 5 is_hidden "$viewer" || fail "the viewer stayed open"
    wait_until 5 eval '[[ "$(net_state "$preview")" == *_NET_WM_STATE_ABOVE* ]]' ||
        fail "the preview is not on top again after the viewer"

    stop_tarnwell
    stop_window_manager
}
