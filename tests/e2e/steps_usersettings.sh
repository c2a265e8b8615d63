# Steps of an ordinary user of an installed copy: the application folder
# belongs to root, so the options window's save lands in the user's own
# settings folder, and the next start reads it from there. They run the
# program as nobody, so they need the suite to run as root.

register alone step_user_saves_link_site "an ordinary user saves a link site of their own"
register alone step_user_site_after_restart "the user's link site is read back after a restart"

USER_SITE='pictures.own.e2e.example/zqlink/'

# Starts the program as nobody, with a home and runtime folder of its own.
start_tarnwell_as_user() {
    local home="$E2E_WORK/nobody"
    if [ ! -d "$home" ]; then
        chmod 711 "$E2E_WORK"
        mkdir -p "$home/runtime"
        chmod 700 "$home/runtime"
        chown -R 65534:65534 "$home"
    fi
    (cd "$home" && exec setpriv --reuid=65534 --regid=65534 --clear-groups \
        env HOME="$home" XDG_RUNTIME_DIR="$home/runtime" XDG_CONFIG_HOME= "$TARNWELL") \
        >>"$E2E_WORK/tarnwell-user.log" 2>&1 &
    TARNWELL_PID=$!
    TARNWELL_WIN=$(wait_window '^Tarnwell 1\.3$' 60)
    is_running "$TARNWELL_PID" || fail "the program ended during start-up"
}

user_can_run() {
    if [ "$(id -u)" -ne 0 ]; then
        log "note: not root, so the program cannot be started as another user; skipped"
        return 1
    fi
}

step_user_saves_link_site() {
    user_can_run || return 0
    local delivered
    delivered=$(cat "$APP_DIR/zqLink/Links.dat")
    start_tarnwell_as_user
    click_tab 5
    sleep 0.3
    save_site_in_options "$USER_SITE"
    local options="$OPTIONS_WIN"
    local own="$E2E_WORK/nobody/.config/tarnwell/zqLink/Links.dat"
    [ -f "$own" ] || fail "no settings file in the user's folder ($own)"
    expect_eq "the user's Links.dat" "http://$USER_SITE" "$(head -n1 "$own" | tr -d '\r')"
    expect_eq "the delivered Links.dat" "$delivered" "$(cat "$APP_DIR/zqLink/Links.dat")"
    click_rect "$options" 180 1800 1275 375 # cmdBack
    wait_until 5 is_hidden "$options" || fail "the options window stayed open"
    stop_tarnwell
}

step_user_site_after_restart() {
    user_can_run || return 0
    start_tarnwell_as_user
    first_button_code
    expect_eq "the download code after a restart" \
        "[ALIGN=CENTER][URL=http://www.example.org/file.zip][IMG]http://${USER_SITE}Link0.gif[/IMG][/URL][/ALIGN]" \
        "$DOWNLOAD_CODE"
    stop_tarnwell
}
