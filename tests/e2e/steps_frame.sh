# Steps of the main window: start-up, the page switcher, the smilies tab,
# closing (the window hides) and the exit tab. The tabs stand at Left 7500
# twips, 1815 x 495, one under the other.

TAB_TOPS=(840 1500 2220 2940 3600 4260 4920 5580)
TAB_EDITOR=3
TAB_SMILIES=4
TAB_EXIT=7
# The pages take the window's left part, up to the tab strip.
PAGE_AREA=(0 0 7395 6735)

click_tab() { click_rect "$TARNWELL_WIN" 7500 "${TAB_TOPS[$1]}" 1815 495; }
page_sum() { region_sum "$TARNWELL_WIN" "${PAGE_AREA[@]}"; }

# The page's checksum once it has settled and differs from the one given (a
# blinking caret changes a page between two looks, so a settled page is one
# that reads the same twice in a row).
wait_new_page() { # <old sum>
    local a b deadline=$(($(date +%s) + 5))
    while :; do
        a=$(page_sum)
        sleep 0.15
        b=$(page_sum)
        [ "$a" = "$b" ] && [ "$a" != "$1" ] && break
        [ "$(date +%s)" -lt "$deadline" ] || fail "the page did not change"
    done
    echo "$a"
}

# Starts the program and waits for its main window: the loading window comes
# and goes first.
start_tarnwell() {
    (cd "$E2E_WORK" && exec "$TARNWELL") >>"$E2E_WORK/tarnwell.log" 2>&1 &
    TARNWELL_PID=$!
    TARNWELL_WIN=$(wait_window '^Tarnwell 1\.3$' 60)
    is_running "$TARNWELL_PID" || fail "the program ended during start-up"
}

stop_tarnwell() {
    if [ -n "${TARNWELL_PID:-}" ] && is_running "$TARNWELL_PID"; then
        kill "$TARNWELL_PID" 2>/dev/null || true
        wait "$TARNWELL_PID" 2>/dev/null || true
    fi
    TARNWELL_PID=""
}

step_start() {
    start_tarnwell
    shot "$TARNWELL_WIN" "$E2E_WORK/start.png"
    local colours
    colours=$(colour_count "$E2E_WORK/start.png")
    [ "${colours:-0}" -gt 64 ] || fail "the main window looks blank ($colours colours)"
    # Docks join the window to its launcher by the class the desktop entry names.
    expect_eq "the window's class" 'WM_CLASS(STRING) = "tarnwell", "Tarnwell"' \
        "$(xprop -id "$TARNWELL_WIN" WM_CLASS)"
}

# Every page tab shows a page of its own; the editor page is current at
# start, and choosing the current tab again changes nothing.
step_pages() {
    local -A sums=()
    local sum i
    sum=$(page_sum)
    sums[$TAB_EDITOR]=$sum
    for i in 0 1 2 5 6; do
        click_tab "$i"
        sum=$(wait_new_page "$sum")
        sums[$i]=$sum
        shot "$TARNWELL_WIN" "$E2E_WORK/page$i.png"
    done
    local distinct
    distinct=$(printf '%s\n' "${sums[@]}" | sort -u | wc -l)
    expect_eq "different pages among the six page tabs" 6 "$distinct"

    # Tab 6 is current: choosing it again leaves the page as it is.
    click_tab 6
    sleep 0.3
    expect_eq "page after choosing the current tab again" "${sums[6]}" "$(page_sum)"

    click_tab "$TAB_EDITOR"
    wait_new_page "${sums[6]}" >/dev/null
}

# The smilies tab opens the picker in a window of its own; closing the
# picker hides it and the program goes on.
step_smilies_window() {
    click_tab "$TAB_SMILIES"
    local smile
    smile=$(wait_window '^Smilies$')
    shot "$smile" "$E2E_WORK/frmSmile.png"
    local colours
    colours=$(colour_count "$E2E_WORK/frmSmile.png")
    [ "${colours:-0}" -gt 64 ] || fail "the smilies window looks blank ($colours colours)"
    close_window "$smile"
    wait_until 5 is_hidden "$smile" || fail "the smilies window did not go away"
    is_running "$TARNWELL_PID" || fail "closing the smilies window ended the program"
    is_shown "$TARNWELL_WIN" || fail "closing the smilies window hid the main window"
    click_tab "$TAB_EDITOR"
}

# The exit tab ends the program, with success.
step_exit_tab() {
    click_tab "$TAB_EXIT"
    expect_exit "$TARNWELL_PID" 0 10
    TARNWELL_PID=""
}

# Closing the main window only hides it while its notification icon can
# bring it back; without an icon closing ends the program, since nothing
# could show the window again.
step_close_hides() {
    start_tarnwell
    TRAY_ICON=$(wait_tray_icon "$TARNWELL_PID" 3 || true)
    close_window "$TARNWELL_WIN"
    if [ -z "$TRAY_ICON" ]; then
        expect_exit "$TARNWELL_PID" 0 10
        TARNWELL_PID=""
        log "note: no notification icon, so closing ended the program"
        return
    fi
    wait_until 5 is_hidden "$TARNWELL_WIN" || fail "the main window did not hide"
    sleep 0.5
    is_running "$TARNWELL_PID" || fail "closing the main window ended the program"
}
