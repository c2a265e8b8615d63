# Steps of the post's look window: a post typed in the forum editor, F5,
# and the look shows it with a border drawn from its delivered file; F5
# again hides it. The editor's helpers (editor_type) are in steps_editor.sh.

register shown step_post_look "F5 shows the post's look with a delivered border"

LOOK_CAPTION='^معاينة المشاركة$'

# A picture's colours with their pixel counts, one "<pixels> <#rrggbb> <alpha>"
# a line: colour_table <picture>
colour_table() {
    convert "$1" -format %c histogram:info:"$E2E_WORK/histogram.txt" ||
        fail "could not read the colours of $1"
    awk '{ n = $1; sub(":", "", n); for (i = 2; i <= NF; i++) if ($i ~ /^#/) {
               c = substr($i, 1, 7); a = length($i) > 7 ? substr($i, 8, 2) : "FF";
               print n, toupper(c), toupper(a) } }' "$E2E_WORK/histogram.txt"
}
# The commonest opaque colour of a picture, as "<pixels> <#rrggbb>".
most_common_colour() {
    colour_table "$1" | awk '$3 == "FF" && $1 > best { best = $1; c = $2 } END { print best, c }'
}
# How many pixels of a picture have a colour: colour_pixels <picture> <#rrggbb>
colour_pixels() {
    colour_table "$1" | awk -v c="$(echo "$2" | tr a-f A-F)" '$2 == c { n += $1 } END { print n + 0 }'
}

step_post_look() {
    click_tab "$TAB_EDITOR"
    # The border site as the program read it at start-up.
    local site
    site=$(head -n1 "$APP_DIR/Border/BordSite.dat" | tr -d '\r\n')
    editor_type "Hello [B]forum[/B] [IMG]${site}b3.gif[/IMG] [URL=http://elsewhere.example/]a link[/URL]"
    key_in_window "$TARNWELL_WIN" F5
    local look colours border shown
    look=$(wait_window "$LOOK_CAPTION" 10)
    # Drawn a moment after it appears.
    sleep 0.5
    shot "$look" "$E2E_WORK/frmPostLook.png"
    colours=$(colour_count "$E2E_WORK/frmPostLook.png")
    [ "$colours" -gt 2 ] || fail "the post's look is blank"
    # The border's commonest colour, as many times as the delivered file
    # has it (every frame keeps it), is on the screen: the border is drawn.
    border=$(most_common_colour "$APP_DIR/Border/b3.gif[0]")
    shown=$(colour_pixels "$E2E_WORK/frmPostLook.png" "${border#* }")
    [ "$shown" -ge "${border%% *}" ] ||
        fail "the post's look shows $shown pixels of the border's ${border#* }, not ${border%% *}"

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
