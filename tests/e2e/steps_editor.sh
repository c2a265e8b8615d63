# Steps of the forum editor (page 3) beyond the bold button: the size, font
# and colour pickers on a selection, tags nesting from the inside out, the
# picture and link codes through their input boxes, and the keyboard-layout
# buttons. Each result is read back from the real clipboard: once as the
# selection the operation left, once as the whole pane. The page's origin
# (PAGE3), the toolbar's buttons and toolbar_click are in steps_composer.sh.

register shown step_editor_pickers "the size, font and colour pickers on a selection"
register shown step_editor_nesting "tags nest from the inside out"
register shown step_editor_prompts "the picture and link codes through their input boxes"
register shown step_editor_layout "the keyboard-layout buttons switch the keyboard group"

# Controls of the page, as left, top, width and height in twips.
TXTEDIT=(240 4020 6885 1785)
COMMAND2=(180 3420 435 375) # "الكل", selects the whole pane
COMMAND4=(1080 3420 615 375) # "ENG"
COMMAND3=(1680 3420 615 375) # "عربي"
SIZE3=(1860 300 330 225)
SIZE7=(4980 120 795 480)
FONT_TIMES=(540 2160 1575 315)  # lblfont(0), "Times New Roman"
FONT_COMIC=(2220 2400 1575 315) # lblfont(4), "Comic Sans MS"
COLOUR_RED=(4380 1200 435 345)      # imgClr(5), second row
COLOUR_DARKBLUE=(2400 780 465 345)  # imgClr(10), top row

editor_click() { page_click "${PAGE3[@]}" "$@"; }

# Replaces the pane's text by typing; the caret ends after the text.
editor_type() { # <text>
    editor_click "${TXTEDIT[@]}"
    key_in_window "$TARNWELL_WIN" ctrl+a BackSpace
    xdotool type --delay 20 "$1"
}

# Selects the three characters before the last one ("abc" of "xabcy").
select_middle() { key_in_window "$TARNWELL_WIN" Left shift+Left shift+Left shift+Left; }

# The whole pane, copied after the select-all button (which leaves the
# whole text selected).
editor_text() {
    editor_click "${COMMAND2[@]}"
    copy_selection
}

# The tag operation's result: what it left selected and the whole pane.
expect_editor() { # <what> <selected> <whole text>
    expect_eq "the selection after $1" "$2" "$(copy_selection)"
    expect_eq "the editor after $1" "$3" "$(editor_text)"
}

# The input box or message now open, titled with the program's name. The
# second box of a pair opens as the first closes, so the first one may be
# named to be passed over: wait_prompt [<previous box>]
wait_prompt() {
    local id deadline=$(($(date +%s) + 10))
    while :; do
        id=$(xdotool search --onlyvisible --name '^Tarnwell$' 2>/dev/null |
            grep -vx "${1:-none}" | head -n1 || true)
        [ -n "$id" ] && break
        [ "$(date +%s)" -lt "$deadline" ] || fail "no box titled Tarnwell opened"
        sleep 0.1
    done
    echo "$id"
}

expect_closed() { # <box>
    wait_until 5 is_hidden "$1" || fail "the box $1 stayed open"
}

# OK and Cancel stand at the bottom of an input box, Cancel at the outer
# edge and OK beside it: anchored at the left in a box that reads right to
# left (an Arabic prompt), at the right otherwise. The button middles are
# 50 and 136 pixels from that edge, 24 above the bottom.
# prompt_button <box> ok|cancel rtl|ltr
prompt_button() {
    local WIDTH HEIGHT x=50
    eval "$(xdotool getwindowgeometry --shell "$1" | grep -E '^(WIDTH|HEIGHT)=')"
    [ "$2" = ok ] && x=136
    [ "$3" = ltr ] && x=$((WIDTH - x))
    xdotool mousemove --window "$1" "$x" $((HEIGHT - 24)) click 1
}

# Types an answer into an input box and presses Enter: answer <box> <text>
answer() {
    type_in_window "$1" "$2"
    key_in_window "$1" Return
    expect_closed "$1"
}

# Each picker wraps the selected abc of xabcy in its tag pair and leaves
# the tagged text selected; the undo button puts back xabcy with abc
# selected for the next one. A click with nothing selected is refused with
# a message and changes nothing.
step_editor_pickers() {
    click_tab "$TAB_EDITOR" # current already after the bold step: no change
    editor_type 'xabcy'
    select_middle
    editor_click "${SIZE7[@]}"
    expect_editor "size 7" '[SIZE=7]abc[/SIZE]' 'x[SIZE=7]abc[/SIZE]y'

    toolbar_click "$TOOLBAR_UNDO"
    editor_click "${FONT_COMIC[@]}"
    expect_editor "the font Comic Sans MS" '[FONT=Comic Sans MS]abc[/FONT]' \
        'x[FONT=Comic Sans MS]abc[/FONT]y'

    toolbar_click "$TOOLBAR_UNDO"
    editor_click "${COLOUR_DARKBLUE[@]}"
    expect_editor "the dark blue swatch" '[COLOR=darkblue]abc[/COLOR]' \
        'x[COLOR=darkblue]abc[/COLOR]y'

    toolbar_click "$TOOLBAR_UNDO"
    key_in_window "$TARNWELL_WIN" End
    editor_click "${COLOUR_RED[@]}"
    local message
    message=$(wait_prompt)
    key_in_window "$message" Return
    expect_closed "$message"
    expect_eq "the editor after a swatch without a selection" 'xabcy' "$(editor_text)"
}

# Three pickers and a toolbar button in turn on the same selection: each
# tag pair goes around the previous one, and the whole stays selected.
step_editor_nesting() {
    editor_type 'abc'
    editor_click "${COMMAND2[@]}"
    editor_click "${SIZE3[@]}"
    editor_click "${COLOUR_RED[@]}"
    expect_eq "the selection after size 3 and red" \
        '[COLOR=red][SIZE=3]abc[/SIZE][/COLOR]' "$(copy_selection)"
    editor_click "${FONT_TIMES[@]}"
    toolbar_click "$TOOLBAR_BOLD"
    local nested='[B][FONT=Times New Roman][COLOR=red][SIZE=3]abc[/SIZE][/COLOR][/FONT][/B]'
    expect_editor "size 3, red, Times New Roman and bold" "$nested" "$nested"
}

# The picture code goes in at the caret; the picture link and the text link
# each ask two questions and replace the selection. Cancel, by the button
# or by Escape in the second box, leaves the text and its selection as
# they were.
step_editor_prompts() {
    editor_type 'xy'
    key_in_window "$TARNWELL_WIN" Left
    toolbar_click "$TOOLBAR_PICTURE"
    local box
    box=$(wait_prompt)
    shot "$box" "$E2E_WORK/prompt-picture.png"
    answer "$box" 'host/a.gif'
    expect_editor "the picture code" '[IMG]http://host/a.gif[/IMG]' \
        'x[IMG]http://host/a.gif[/IMG]y'

    # The whole pane is selected; the picture link replaces it. The second
    # box's prompt starts in Arabic, so it reads right to left although its
    # example address gives it more Latin letters.
    toolbar_click "$TOOLBAR_PICTURE_LINK"
    box=$(wait_prompt)
    answer "$box" 'HtTp://pics.example/b.png'
    box=$(wait_prompt "$box")
    shot "$box" "$E2E_WORK/prompt-link.png"
    type_in_window "$box" 'forum.example/t?id=1'
    prompt_button "$box" ok rtl
    expect_closed "$box"
    local code='[URL=http://forum.example/t?id=1][IMG]HtTp://pics.example/b.png[/IMG][/URL]'
    expect_editor "the picture link" "$code" "$code"

    toolbar_click "$TOOLBAR_TEXT_LINK"
    box=$(wait_prompt)
    type_in_window "$box" 'my page'
    prompt_button "$box" ok rtl
    expect_closed "$box"
    box=$(wait_prompt "$box")
    answer "$box" 'http://www.example.org/topic'
    code='[URL=http://www.example.org/topic]my page[/URL]'
    expect_editor "the text link" "$code" "$code"

    toolbar_click "$TOOLBAR_PICTURE"
    box=$(wait_prompt)
    type_in_window "$box" 'host/cancelled.gif'
    prompt_button "$box" cancel rtl
    expect_closed "$box"
    expect_editor "a cancelled picture" "$code" "$code"

    toolbar_click "$TOOLBAR_PICTURE_LINK"
    box=$(wait_prompt)
    answer "$box" 'host/b.gif'
    box=$(wait_prompt "$box")
    key_in_window "$box" Escape
    expect_closed "$box"
    expect_editor "a picture link cancelled at its link" "$code" "$code"
}

# ---- keyboard layout ---------------------------------------------------

layout_group() { "$E2E_WORK/xtool" group; }
group_is() { [ "$(layout_group)" = "$1" ]; }
expect_group() { # <what> <group>
    wait_until 3 group_is "$2" || fail "$1: keyboard group $(layout_group), expected $2"
}

# With an English and an Arabic layout set up (groups 0 and 1), "عربي"
# switches the keyboard to the Arabic group and "ENG" back, so that the
# same keys type Arabic or Latin letters. A completed tag operation goes on
# in Arabic; a cancelled one leaves the keyboard alone. The layouts the
# display had are put back afterwards.
step_editor_layout() {
    if ! command -v setxkbmap >/dev/null; then
        log "skipped the keyboard layouts: no setxkbmap"
        return
    fi
    local saved
    saved=$(setxkbmap -query | sed -n 's/^layout: *//p')
    setxkbmap -layout us,ara || fail "could not set up the layouts us,ara"
    editor_click "${COMMAND4[@]}"
    expect_group "after ENG" 0
    editor_click "${COMMAND3[@]}"
    expect_group "after عربي" 1
    editor_click "${COMMAND4[@]}"
    expect_group "after ENG again" 0

    editor_type 'abc'
    editor_click "${COMMAND2[@]}"
    toolbar_click "$TOOLBAR_BOLD"
    expect_group "after the bold button" 1

    editor_click "${COMMAND4[@]}"
    expect_group "after ENG before a cancelled picture" 0
    toolbar_click "$TOOLBAR_PICTURE"
    local box
    box=$(wait_prompt)
    key_in_window "$box" Escape
    expect_closed "$box"
    # The copy is handled after the whole click, so the group is final.
    expect_eq "the editor after the cancelled picture" '[B]abc[/B]' "$(copy_selection)"
    expect_eq "keyboard group after a cancelled picture" 0 "$(layout_group)"

    setxkbmap -layout "${saved:-us}" || fail "could not put back the layout $saved"
}
