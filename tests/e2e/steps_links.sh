# Steps of the download-links page and the smilies picker: a button through
# the download-address prompt and the insertion dialog into txtdcode, the
# options window's save into Links.dat, and a smiley's code.

register shown step_link_dialog "a link button through the insertion dialog, copied"
register shown step_options_save "the options window saves the link site"
register shown step_smiley_code "a smiley's code, copied"

PAGE5=(120 720)     # download links
PICTEXT=(60 4740)   # picText inside it (Picture1 at Top 120)

link_site() { head -n1 "$APP_DIR/zqLink/Links.dat" | tr -d '\r'; }

# Puts the first download button's code into txtdcode through the address
# prompt and the insertion dialog, and copies it into DOWNLOAD_CODE; the
# dialog's picture goes to the file given, if any.
first_button_code() { # [<dialog picture>]
    click_tab 5
    sleep 0.3
    # dimg(0), the first button: picCont at 180, 240 in Picture1, the button at 60, 60.
    page_click "${PAGE5[@]}" $((180 + 60)) $((120 + 240 + 60)) 720 705
    local ask
    ask=$(wait_window '^Tarnwell1\.2$' 10)
    type_in_window "$ask" 'www.example.org/file.zip'
    key_in_window "$ask" Return
    local dialog
    dialog=$(wait_window '^اختر الوضعية$' 10)
    [ -z "${1:-}" ] || shot "$dialog" "$1"
    click_rect "$dialog" 1560 3420 2775 435 # cmdOk
    wait_until 5 is_hidden "$dialog" || fail "the insertion dialog stayed open"
    page_click "${PAGE5[@]}" $((PICTEXT[0] + 180)) $((PICTEXT[1] + 120)) 6795 375 # txtdcode
    DOWNLOAD_CODE=$(copy_selection)
}

step_link_dialog() {
    first_button_code "$E2E_WORK/frmOption1.png"
    expect_eq "the download code on the clipboard" \
        "[ALIGN=CENTER][URL=http://www.example.org/file.zip][IMG]$(link_site)Link0.gif[/IMG][/URL][/ALIGN]" \
        "$DOWNLOAD_CODE"
}

# Opens the options window from the download-links page, types a site into
# txtSite and saves it, answering the saved message; leaves the window open
# and its id in OPTIONS_WIN.
save_site_in_options() { # <site>
    page_click "${PAGE5[@]}" $((PICTEXT[0] + 4440)) $((PICTEXT[1] + 660)) 795 375 # cmdOptions
    OPTIONS_WIN=$(wait_window '^خيارات$' 10)
    click_rect "$OPTIONS_WIN" 300 1020 5535 300 # txtSite
    key_in_window "$OPTIONS_WIN" ctrl+a
    type_in_window "$OPTIONS_WIN" "$1"
    click_rect "$OPTIONS_WIN" 4800 1800 1275 375 # cmdSave
    local message
    message=$(wait_window '^Tarnwell$' 10)
    key_in_window "$message" Return
    wait_until 5 is_hidden "$message" || fail "the saved message stayed open"
}

step_options_save() {
    save_site_in_options 'pictures.e2e.example/zqlink/'
    local options="$OPTIONS_WIN"
    shot "$options" "$E2E_WORK/frmOptions.png"
    expect_eq "Links.dat after the save" 'http://pictures.e2e.example/zqlink/' "$(link_site)"
    [ "$(tail -c2 "$APP_DIR/zqLink/Links.dat" | od -An -c | tr -d ' ')" = '\r\n' ] ||
        fail "Links.dat does not end in CR LF"
    click_rect "$options" 180 1800 1275 375 # cmdBack
    wait_until 5 is_hidden "$options" || fail "the options window stayed open"
}

step_smiley_code() {
    click_tab 6
    click_tab 4
    local smile
    smile=$(wait_window '^Smilies$')
    click_rect "$smile" 60 360 555 465 # AG(0), the first smiley of the first set
    sleep 0.5
    # txtWeb selects all on a click; the picker keeps it one gap below its
    # third grid, 885 twips under its first place (7260).
    click_rect "$smile" 120 $((7260 + 885)) 6195 285
    local code
    code=$(copy_selection "$smile")
    [[ "$code" =~ ^\[IMG\]http://.+/(happy|psmilie|crazy)/0[0-4][0-9]\.gif\[/IMG\]$ ]] ||
        fail "the smiley's code is '$code'"
    close_window "$smile"
    wait_until 5 is_hidden "$smile" || fail "the smilies window did not go away"
    click_tab 3
}

