# One running copy, while the main window is hidden in the notification
# area: a second start brings the window back and ends by itself, leaving
# one process with one main window.

register hidden step_second_start_shows_window "a second start shows the hidden window and ends"

step_second_start_shows_window() {
    is_hidden "$TARNWELL_WIN" || fail "the main window is not hidden to start with"
    local second started
    started=$(now_ms)
    (cd "$E2E_WORK" && exec "$TARNWELL") >>"$E2E_WORK/tarnwell-second.log" 2>&1 &
    second=$!
    expect_exit "$second" 0 10
    log "the second start ended after $(($(now_ms) - started)) ms"
    wait_until 5 is_shown "$TARNWELL_WIN" || fail "the second start did not bring the window back"
    is_running "$TARNWELL_PID" || fail "the running copy ended"
    local id
    for id in $(xdotool search --name '^Tarnwell 1\.3$' 2>/dev/null); do
        [ "$(xdotool getwindowpid "$id" 2>/dev/null)" = "$TARNWELL_PID" ] ||
            fail "window $id titled like the main window belongs to another process"
    done
    # The tray's steps start from the hidden window.
    hide_main_window
}
