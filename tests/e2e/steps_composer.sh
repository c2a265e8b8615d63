# Steps of the composer pages: the names decorator, the symbol decorator
# and the forum editor's toolbar with its undo, each read back from the real
# clipboard after a copy. Positions are the pages' layout in twips, plus the
# page's own place in the window.

register shown step_names_decorator "the names decorator's pattern, copied"
register shown step_symbol_decorator "the symbol decorator's line, copied"
register shown step_editor_toolbar "the editor's bold tag and undo"

PAGE0=(600 400) # names decorator
PAGE1=(0 400)   # special decorator
PAGE3=(0 390)   # forum editor

step_names_decorator() {
    click_tab 0
    sleep 0.3
    page_click "${PAGE0[@]}" 420 120 5655 375 # txtInput
    focus_window "$TARNWELL_WIN"
    xdotool type --delay 30 'abc'
    # opt(14), "(*_*) الاسم (*_*)": its round button at the left of its row.
    page_click "${PAGE0[@]}" 3660 4020 300 495
    sleep 0.3
    page_click "${PAGE0[@]}" 420 5640 5535 375 # txtOutput selects all on a click
    expect_eq "the decorated name on the clipboard" '(*_*) abc (*_*)' "$(copy_selection)"
}

step_symbol_decorator() {
    click_tab 1
    sleep 0.3
    page_click "${PAGE1[@]}" 5280 1560 1335 375 # cmdErase
    # cmd(0) "~", cmd(2) "@" and cmd(72) "*()*" in the top row of the grid.
    page_click "${PAGE1[@]}" 540 2340 495 495
    page_click "${PAGE1[@]}" $((540 + 2 * 540)) 2340 495 495
    page_click "${PAGE1[@]}" $((540 + 11 * 540)) 2340 495 495
    clear_clipboard
    page_click "${PAGE1[@]}" 5280 1020 1335 375 # cmdCopy
    wait_until 3 clipboard_filled || fail "the copy button put nothing on the clipboard"
    expect_eq "the symbol line on the clipboard" '~@*()*' "$(clipboard)"
}

# Toolbar1's buttons by their number, at their place on the bar (pixels
# from its left end; the bar runs along the top of the window, 13 pixels
# to the middle of its buttons). Numbers 4, 8, 12 and 13 are separators.
TOOLBAR_X=([1]=15 [2]=40 [3]=65 [5]=98 [6]=123 [7]=148 [9]=180 [10]=205 [11]=230 [14]=268)
TOOLBAR_BOLD=1
TOOLBAR_PICTURE=9
TOOLBAR_PICTURE_LINK=10
TOOLBAR_TEXT_LINK=11
TOOLBAR_UNDO=14
toolbar_click() { xdotool mousemove --window "$TARNWELL_WIN" "${TOOLBAR_X[$1]}" 13 click 1; }

step_editor_toolbar() {
    click_tab 3
    sleep 0.3
    page_click "${PAGE3[@]}" 240 4020 6885 1785 # txtEdit
    focus_window "$TARNWELL_WIN"
    xdotool key --clearmodifiers ctrl+a
    xdotool type --delay 30 'abc'
    page_click "${PAGE3[@]}" 180 3420 435 375 # Command2 selects everything
    toolbar_click "$TOOLBAR_BOLD"
    page_click "${PAGE3[@]}" 180 3420 435 375
    expect_eq "the editor after the bold button" '[B]abc[/B]' "$(copy_selection)"
    toolbar_click "$TOOLBAR_UNDO"
    page_click "${PAGE3[@]}" 180 3420 435 375
    expect_eq "the editor after undo" 'abc' "$(copy_selection)"
}
