# Steps of the border page: a left click puts the centred code of the border
# into txtCode, a right click opens the border viewer with its web link and
# forum code.

register shown step_border_clicks "a border's left and right click"

PAGE2=(120 400) # decorations and separators
# imgBord(0) at the gallery's start: Picture3 at 0, 180; picMoveit at 60,
# 120 in it; the border at Top 300 in picMoveit, 675 high; the pictures are
# centred on the marker line at Left 3900 of the page.
BORDER0_TOP=$((180 + 120 + 300))

border_site() { head -n1 "$APP_DIR/Border/BordSite.dat" | tr -d '\r'; }

step_border_clicks() {
    click_tab 2
    sleep 0.3
    page_click "${PAGE2[@]}" 3600 "$BORDER0_TOP" 600 675
    sleep 0.3
    page_click "${PAGE2[@]}" 300 5880 6255 315 # txtCode selects all on a click
    expect_eq "the border's code on the clipboard" \
        "[ALIGN=CENTER][IMG]$(border_site)b0.gif[/IMG][/ALIGN]" "$(copy_selection)"

    page_click "${PAGE2[@]}" 3600 "$BORDER0_TOP" 600 675 3
    local viewer
    viewer=$(wait_window '^zqBorderViewer$' 10)
    shot "$viewer" "$E2E_WORK/frmViewBorder.png"
    click_rect "$viewer" 300 3780 6375 315 # txtForumCode selects all on a click
    expect_eq "the viewer's forum code" "[IMG]$(border_site)b0.gif[/IMG]" \
        "$(copy_selection "$viewer")"
    click_rect "$viewer" 300 3240 6315 315 # txtWebCode
    expect_eq "the viewer's web link" "$(border_site)b0.gif" "$(copy_selection "$viewer")"
    click_rect "$viewer" 3060 4320 1875 375 # cmdHide
    wait_until 5 is_hidden "$viewer" || fail "the border viewer stayed open"
    click_tab 3
}
