# Steps without a mouse: the page keys step round the pages, on through the
# smilies picker that a step opens, and a border reached by the keyboard
# gives its code on Enter and opens its viewer on the menu key.

register shown step_keyboard_only "the keyboard alone: page keys, a border's code and viewer"

has_keyboard() { [ "$(xdotool getwindowfocus 2>/dev/null)" = "$1" ]; }

step_keyboard_only() {
    click_tab 3 # the editor
    sleep 0.3
    # Onto the smilies: the picker opens and takes the keyboard.
    key_in_window "$TARNWELL_WIN" ctrl+Next
    local smile viewer
    smile=$(wait_window '^Smilies$')
    wait_until 5 has_keyboard "$smile" || fail "the smilies picker did not take the keyboard"
    # Pressed in the picker, the key goes on to the download links, back
    # in the main window; then the about, names, symbols and borders pages.
    xdotool key --clearmodifiers ctrl+Next
    wait_until 5 has_keyboard "$TARNWELL_WIN" ||
        fail "a page key in the smilies picker left the keyboard there"
    for _ in 1 2 3 4; do
        xdotool key --clearmodifiers ctrl+Next
        sleep 0.3
    done
    close_window "$smile"
    wait_until 5 is_hidden "$smile" || fail "the smilies window did not go away"
    focus_window "$TARNWELL_WIN"

    # The page's first border has the keyboard: the menu key opens its
    # viewer, Enter puts its centred code into the code box.
    xdotool key --clearmodifiers Menu
    viewer=$(wait_window '^zqBorderViewer$' 10)
    expect_eq "the viewer's forum code, reached by the menu key" \
        "[IMG]$(border_site)b0.gif[/IMG]" "$(click_rect "$viewer" 300 3780 6375 315 &&
            copy_selection "$viewer")"
    click_rect "$viewer" 3060 4320 1875 375 # cmdHide
    wait_until 5 is_hidden "$viewer" || fail "the border viewer stayed open"
    focus_window "$TARNWELL_WIN"
    xdotool key --clearmodifiers Return
    sleep 0.3
    page_click "${PAGE2[@]}" 300 5880 6255 315 # txtCode selects all on a click
    expect_eq "the border's code, chosen by Enter" \
        "[ALIGN=CENTER][IMG]$(border_site)b0.gif[/IMG][/ALIGN]" "$(copy_selection)"
    click_tab 3
}
