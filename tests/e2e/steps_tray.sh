# Steps of the notification icon, run while the main window is hidden (the
# last one ends the program): a double click shows the window, the menu's
# first item shows it too and its last item ends the program.

register hidden step_tray_double_click "a double click on the tray icon shows the window"
register hidden step_tray_menu_show "the tray menu's show item shows the window"
register hidden step_tray_menu_exit "the tray menu's exit item ends the program"

# The popup menu of the process: a visible window other than the main
# window and the icon. Prints its id.
wait_popup_menu() {
    local id deadline=$(($(date +%s) + 5))
    while :; do
        for id in $(xdotool search --onlyvisible --pid "$TARNWELL_PID" 2>/dev/null); do
            [ "$id" != "$TARNWELL_WIN" ] && [ "$id" != "$TRAY_ICON" ] && {
                echo "$id"
                return 0
            }
        done
        [ "$(date +%s)" -lt "$deadline" ] || fail "no menu popped up from the tray icon"
        sleep 0.1
    done
}

# Pops the menu up and clicks an item: menu_item first|last
tray_menu_item() {
    xdotool mousemove --window "$TRAY_ICON" 8 8 click 3
    local menu
    menu=$(wait_popup_menu)
    shot "$menu" "$E2E_WORK/traymenu.png"
    local HEIGHT WIDTH
    eval "$(xdotool getwindowgeometry --shell "$menu" | grep -E '^(WIDTH|HEIGHT)=')"
    # The first item sits at the top, the last one at the bottom, with the
    # separator between them.
    if [ "$1" = first ]; then
        xdotool mousemove --window "$menu" $((WIDTH / 2)) 12 click 1
    else
        xdotool mousemove --window "$menu" $((WIDTH / 2)) $((HEIGHT - 12)) click 1
    fi
}

hide_main_window() {
    close_window "$TARNWELL_WIN"
    wait_until 5 is_hidden "$TARNWELL_WIN" || fail "the main window did not hide"
}

step_tray_double_click() {
    xdotool mousemove --window "$TRAY_ICON" 8 8 click --repeat 2 --delay 80 1
    wait_until 5 is_shown "$TARNWELL_WIN" || fail "the main window did not come back"
}

step_tray_menu_show() {
    hide_main_window
    tray_menu_item first
    wait_until 5 is_shown "$TARNWELL_WIN" || fail "the show item did not show the main window"
}

step_tray_menu_exit() {
    tray_menu_item last
    expect_exit "$TARNWELL_PID" 0 10
    TARNWELL_PID=""
    [ -z "$(xdotool search --onlyvisible --name '^Tarnwell 1\.3$' 2>/dev/null)" ] ||
        fail "a main window is left on the screen"
}
