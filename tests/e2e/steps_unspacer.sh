# Steps of Unspacer, on real folders: it renames the files of the folder it
# is started in, shows its window, and stops at the first rename that fails.

# Starts Unspacer in a folder: start_unspacer <folder>
start_unspacer() {
    (cd "$1" && exec "$UNSPACER") >>"$E2E_WORK/unspacer.log" 2>&1 &
    UNSPACER_PID=$!
}

listing() { (cd "$1" && find . -mindepth 1 -maxdepth 1 -printf '%f\n' | LC_ALL=C sort); }

step_unspacer_renames() {
    local dir="$E2E_WORK/unspacer folder"
    mkdir -p "$dir/sub dir"
    local name
    for name in 'a b.gif' 'my file 2.txt' 'name .gif' ' lead.txt' 'trail.txt ' \
        $'tab\tkept.txt' 'plain.txt' '.hidden file' 'صورة جميلة.gif'; do
        echo "$name" >"$dir/$name"
    done
    start_unspacer "$dir"
    local form
    form=$(wait_window '^Form1$' 20)
    shot "$form" "$E2E_WORK/unspacer.png"
    local expected
    expected=$(printf '%s\n' '.hidden file' 'ab.gif' 'lead.txt' 'myfile2.txt' 'name.gif' \
        'plain.txt' 'sub dir' $'tab\tkept.txt' 'trail.txt' 'صورةجميلة.gif' | LC_ALL=C sort)
    expect_eq "names after Unspacer" "$expected" "$(listing "$dir")"
    expect_eq "content of a renamed file" 'my file 2.txt' "$(cat "$dir/myfile2.txt")"
    close_window "$form"
    expect_exit "$UNSPACER_PID" 0 10
}

# A blank-free name that is taken already stops the run with a message.
step_unspacer_collision() {
    local dir="$E2E_WORK/collision"
    mkdir -p "$dir"
    echo old >"$dir/a b.gif"
    echo new >"$dir/ab.gif"
    start_unspacer "$dir"
    local message
    message=$(wait_window '^Unspacer$' 20)
    xdotool windowfocus --sync "$message" key --clearmodifiers Return 2>/dev/null || true
    if ! wait_until 3 has_ended "$UNSPACER_PID"; then
        close_window "$message"
    fi
    wait_until 5 has_ended "$UNSPACER_PID" || fail "Unspacer did not end after its message"
    local status=0
    wait "$UNSPACER_PID" || status=$?
    [ "$status" -ne 0 ] || fail "Unspacer reported success after a failed rename"
    expect_eq "the file that could not be renamed" old "$(cat "$dir/a b.gif")"
    expect_eq "the file that had the name already" new "$(cat "$dir/ab.gif")"
    [ -z "$(visible_window '^Form1$')" ] || fail "Unspacer showed its window after a failure"
}
