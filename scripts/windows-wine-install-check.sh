# The Windows packages as their users live them, under Wine: the zip's
# layout, the console companion answering through cmd, the Apps & features
# entry, installing and uninstalling beside a running copy, and a reinstall
# into another folder, and a referral too long for Windows' shell. Sourced
# at the end of scripts/windows-wine-check.sh,
# whose prefix, display, log and fail it uses; the program is not installed
# when it starts.

win_dir='C:\Program Files\Brewlore' # the program's folder, as Windows names it
unix_dir="$WINEPREFIX/drive_c/Program Files/Brewlore"
uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Brewlore'

# The Turkish and Greek locales, and a clipboard to paste Greek text from.
scripts/setup.sh locales-all xclip

# Runs a command line through cmd.exe in the folder given; prints what it
# wrote, without carriage returns, and ends with cmd's status.
cmd_in() {
    local dir=$1 status=0
    shift
    (cd "$dir" && wine cmd /c "$*") >"$build_dir/cmd.out" 2>&1 || status=$?
    tr -d '\r' <"$build_dir/cmd.out"
    return "$status"
}

# Waits up to $2 seconds for a visible window named $1; prints its id.
window_named() {
    local deadline=$(($(now_ms) + $2 * 1000)) id
    while [ "$(now_ms)" -lt "$deadline" ]; do
        id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -1)
        if [ -n "$id" ]; then
            echo "$id"
            return 0
        fi
        sleep 0.1
    done
    return 1
}

# Every file of the installed program with its size and time.
installed_files() { (cd "$unix_dir" && find . -type f -printf '%p %s %T@\n' | sort); }

# The uninstaller copies itself away and returns at once: waits until the
# program is gone, then for Wine's last process.
uninstall_and_wait() {
    local dir=$1
    wine "$dir/Uninstall.exe" /S || true
    for _ in $(seq 300); do
        [ -e "$dir/brewlore.exe" ] || break
        sleep 0.1
    done
    wineserver -w || true
}

check_zip_layout() {
    local zip=$build_dir/Brewlore-$version-win64.zip top=Brewlore-$version-win64 listing answer
    listing=$(unzip -Z1 "$zip")
    for file in brewlore.exe brewlore.com README.txt Qt6Core.dll platforms/qwindows.dll \
        styles/qwindowsvistastyle.dll licenses/LICENSE.txt; do
        grep -qx "$top/$file" <<<"$listing" || fail "the zip has no $top/$file"
    done
    ! grep -q "^$top/bin/" <<<"$listing" || fail "the zip still has a bin folder"
    rm -rf "$build_dir/wine-zip"
    unzip -q "$zip" -d "$build_dir/wine-zip"
    answer=$(cmd_in "$build_dir/wine-zip/$top" brewlore --version) || fail "brewlore --version in the unpacked zip: $answer"
    [ "$answer" = "Brewlore $version" ] || fail "brewlore --version in the unpacked zip said '$answer'"
    log "zip: brewlore.exe, brewlore.com, README.txt and the DLLs at the top of $top\\; brewlore --version there: $answer"
}

check_silent_install() {
    wine "$installer" /S
    [ -f "$unix_dir/brewlore.exe" ] && [ -f "$unix_dir/brewlore.com" ] ||
        fail "the silent install put no brewlore.exe and brewlore.com at the top of $win_dir"
    log "silent install: brewlore.exe and brewlore.com at the top of $win_dir"
}

check_companion() {
    local answer status=0
    answer=$(cmd_in "$unix_dir" 'brewlore --version & echo next') || status=$?
    [ "$answer" = "Brewlore $version"$'\n'"next" ] || fail "brewlore --version through cmd said '$answer'"
    answer=$(cmd_in "$unix_dir" brewlore --bogus) || status=$?
    [ "$status" -eq 2 ] || fail "brewlore --bogus through cmd ended with status $status"
    grep -q "bogus" <<<"$answer" || fail "brewlore --bogus through cmd said '$answer'"
    log "brewlore.com through cmd /c: --version '$version' before the next command; --bogus: '$(head -1 <<<"$answer")', status $status"
    # Redirected, the answers stay UTF-8 whatever the console's code page.
    LC_ALL=tr_TR.UTF-8 cmd_in "$unix_dir" "brewlore --help > $(winepath -w "$build_dir/help-tr.txt")" >/dev/null ||
        fail "brewlore --help into a file failed"
    grep -q "Kullanım: brewlore" "$build_dir/help-tr.txt" ||
        fail "brewlore --help in Turkish, into a file, is not UTF-8: $(head -c 80 "$build_dir/help-tr.txt" | od -c | head -3)"
    log "brewlore --help in Turkish into a file: '$(grep -m1 Kullanım "$build_dir/help-tr.txt")', in UTF-8"
}

check_apps_entry() {
    local entry size
    entry=$(wine reg query "$uninstall_key" | tr -d '\r')
    grep -Eq "InstallLocation +REG_SZ +C:\\\\Program Files\\\\Brewlore\$" <<<"$entry" ||
        fail "Apps & features entry lacks InstallLocation"
    for value in NoModify NoRepair; do
        grep -Eq "$value +REG_DWORD +0x1\$" <<<"$entry" || fail "Apps & features: $value is not the number 1"
    done
    size=$(sed -n 's/.*EstimatedSize *REG_DWORD *\(0x[0-9a-f]*\)$/\1/p' <<<"$entry")
    [ -n "$size" ] && [ $((size)) -gt 1000 ] || fail "Apps & features: EstimatedSize is '$size'"
    log "Apps & features: InstallLocation $win_dir, EstimatedSize $((size)) KiB, NoModify and NoRepair 1 as numbers"
    ! wine reg query 'HKLM\System\CurrentControlSet\Control\Session Manager\Environment' /v PATH |
        grep -qi brewlore || fail "the silent install put the program on the path"
}

check_beside_running_copy() {
    local program before status setup box
    wine "$unix_dir/brewlore.exe" &
    program=$!
    window_named "$caption" 60 >/dev/null || fail "no main window from $win_dir"
    before=$(installed_files)
    # Run in place, the uninstaller's status comes back. It reads the folder
    # from the end of its command line, which must not be quoted: the short
    # name has no blank to quote.
    status=0
    wine "$unix_dir/Uninstall.exe" /S "_?=$(winepath -s "$win_dir")" || status=$?
    [ "$status" -ne 0 ] || fail "the silent uninstall beside a running copy reported success"
    log "silent uninstall beside a running copy: status $status"
    status=0
    wine "$installer" /S || status=$?
    [ "$status" -ne 0 ] || fail "the silent install over a running copy reported success"
    log "silent install over a running copy: status $status"
    [ "$(installed_files)" = "$before" ] || fail "a refused install or uninstall changed the program's files"
    wine reg query "$uninstall_key" >/dev/null || fail "a refused uninstall took the Apps & features entry"
    log "both refusals left every file and the Apps & features entry as they were"

    # Asked, the user closes the program and presses Retry: the installer
    # goes on, to its question about the installed version.
    wine "$installer" &
    setup=$!
    box=$(window_named "Brewlore Setup" 60) || fail "the installer asked nothing beside a running copy"
    wine taskkill /f /im brewlore.exe >/dev/null 2>&1 || true
    wait "$program" || true
    xdotool key --window "$box" Return 2>/dev/null || true
    for _ in $(seq 100); do
        xdotool search --onlyvisible --name "^Brewlore Setup\$" 2>/dev/null | grep -qvx "$box" && break
        sleep 0.1
    done
    box=$(xdotool search --onlyvisible --name "^Brewlore Setup\$" 2>/dev/null | grep -vx "$box" | head -1)
    [ -n "$box" ] || fail "Retry after closing the program did not go on"
    xdotool key --window "$box" Escape 2>/dev/null || true
    wait "$setup" || true
    [ "$(installed_files)" = "$before" ] || fail "the cancelled install changed the program's files"
    log "install with the program running: asked, and Retry went on once it was closed"
}

check_reinstall_elsewhere() {
    # /D= ends the command line unquoted, so the folder has no blank.
    local other='C:\BrewloreElsewhere' other_unix="$WINEPREFIX/drive_c/BrewloreElsewhere"
    wine "$installer" /S "/D=$other"
    [ -f "$other_unix/brewlore.exe" ] || fail "no install in $other"
    [ ! -e "$unix_dir" ] || fail "the old folder kept $(cd "$unix_dir" && find . -type f | paste -sd ' ')"
    uninstall_and_wait "$other_unix"
    [ ! -e "$other_unix" ] || fail "the uninstall left $(cd "$other_unix" && find . | paste -sd ' ')"
    log "reinstall into $other: the old folder went whole, and the uninstall took the new one"
}

# Two addresses of 240 Greek letters each: the form says what to shorten and
# hands nothing to the shell, whose calls Wine's "exec" channel logs. The
# exit window comes when the main window is closed; its boxes are clicked at
# the places its layout gives, 15 twips a pixel inside Wine's frame.
check_long_referral() {
    local program main leaving side top trace=$build_dir/referral-exec.log
    WINEDEBUG=+exec LC_ALL=el_GR.UTF-8 wine "$unix_dir/brewlore.exe" 2>"$trace" &
    program=$!
    main=$(window_named "$caption" 60) || fail "no main window for the referral"
    sleep 1
    xdotool key --window "$main" alt+F4
    for _ in $(seq 100); do
        leaving=$(xdotool search --onlyvisible --name "^$caption\$" 2>/dev/null | grep -vx "$main" | head -1 || true)
        [ -n "$leaving" ] && break
        sleep 0.1
    done
    [ -n "$leaving" ] || fail "closing the main window brought no exit window"
    eval "$(xdotool getwindowgeometry --shell "$leaving")"
    side=$(((WIDTH - 741) / 2))
    top=$((HEIGHT - 315 - side))
    at_twips() {
        xdotool mousemove --window "$leaving" $(($1 / 15 + side)) $(($2 / 15 + top))
        sleep 0.3
        xdotool click 1
        sleep 0.3
    }
    paste_at() {
        printf '%s' "$3" | xclip -selection clipboard
        at_twips "$1" "$2"
        xdotool key ctrl+a ctrl+v
        sleep 0.5
    }
    # The boxes of the referral frame, which sits at 120, 3240.
    paste_at 1205 3740 "Άννα"
    paste_at 4720 3740 "$(printf 'α%.0s' $(seq 240))@a.gr"
    paste_at 1205 4100 "Μπομπ"
    paste_at 4720 4100 "$(printf 'β%.0s' $(seq 240))@b.gr"
    at_twips 3727 4462 # Refer A Friend Now
    window_named Brewlore 20 >/dev/null || fail "the long referral showed no message"
    ! grep -q "qlqs-refer-a-friend" "$trace" || fail "the long referral was handed to the shell"
    wine taskkill /f /im brewlore.exe >/dev/null 2>&1 || true
    { wait "$program"; } 2>/dev/null || true
    log "long referral: a message box, and nothing handed to the shell"
}

check_zip_layout
check_silent_install
check_long_referral
check_companion
check_apps_entry
check_beside_running_copy
check_reinstall_elsewhere
