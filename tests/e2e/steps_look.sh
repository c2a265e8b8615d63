# Steps of the post's look window: a post typed in the forum editor, F5,
# and the look shows it with a border drawn from its delivered file; F5
# again hides it. The editor's helpers (editor_type) are in steps_editor.sh.

register shown step_post_look "F5 shows the post's look with a delivered border"

LOOK_CAPTION='^معاينة المشاركة$'

step_post_look() {
    click_tab "$TAB_EDITOR"
    # The border site as the program read it at start-up.
    local site
    site=$(head -n1 "$APP_DIR/Border/BordSite.dat" | tr -d '\r\n')
    editor_type "Hello [B]forum[/B] [IMG]${site}b3.gif[/IMG] [URL=http://elsewhere.example/]a link[/URL]"
    key_in_window "$TARNWELL_WIN" F5
    local look colours
    look=$(wait_window "$LOOK_CAPTION" 10)
    # The border plays: wait for the look to have drawn it.
    sleep 0.5
    shot "$look" "$E2E_WORK/frmPostLook.png"
    colours=$(colour_count "$E2E_WORK/frmPostLook.png")
    # Text on white is a few dozen colours; the border brings many more.
    [ "$colours" -gt 60 ] || fail "the post's look shows only $colours colours"

    # The typing goes on in the editor while the look is open.
    xdotool type --delay 20 " more"
    local text
    text=$(editor_text)
    expect_eq "the editor with the look open" \
        "Hello [B]forum[/B] [IMG]${site}b3.gif[/IMG] [URL=http://elsewhere.example/]a link[/URL] more" \
        "$text"

    page_click "${PAGE3[@]}" "${TXTEDIT[@]}"
    key_in_window "$TARNWELL_WIN" F5
    wait_until 5 is_hidden "$look" || fail "F5 left the post's look open"
}
