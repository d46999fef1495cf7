#!/usr/bin/env bash
# Runs what scripts/windows-build.sh made under Wine on a headless X server,
# in a fresh Wine prefix inside the build folder: the silent install, a start,
# a reading, Back and Exit, the setting in the registry, a second copy, a
# start after a killed copy, --version and the uninstall; the zip's layout,
# the console companion through cmd, a referral too long for Windows' shell,
# installing and uninstalling beside a running copy and a reinstall into
# another folder; then the test programs through CTest.
#
# Windows are found by what no font changes: their title, the process that
# owns them and the order in which they appear. Only the program's own
# windows, whose client areas it fixes itself, are clicked at the places
# their layout gives (15 twips a pixel); a message box is answered with its
# keyboard, since its size follows its text in whatever fonts Wine finds.
set -euo pipefail
cd "$(dirname "$0")/.."
# The Turkish and Greek locales, and a clipboard to paste Greek text from.
scripts/setup.sh wine wine64 fonts-wine xvfb xdotool x11-utils locales-all xclip

build_dir=$(cd "${BREWLORE_WIN_BUILD_DIR:-build-win}" && pwd)
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build_dir/CMakeCache.txt")
caption="Brewlore v$version"
title=Brewlore # of every message box
installer=$build_dir/Brewlore-$version-win64.exe
program_file=brewlore.exe # where both packages put the program in their folder
program_win_dir=          # C:\Program Files\Brewlore once installed, as Windows names it
program_dir=              # the same folder on this machine
exe=                      # its brewlore.exe, as Windows names it
uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Brewlore'

# The client areas the program fixes, in pixels, and the points clicked, in
# twips of the layout.
main_size=(436 316)      # 6540 x 4740
reading_size=(578 378)   # 8670 x 5670
exit_size=(741 315)      # 11115 x 4725
pot=(3305 2197)          # the middle of picCoffeePot, in Frame1 at 20, 600
frame1=(400 2000)        # an empty spot of Frame1, left of the pot
back=(6810 5192)         # cmdOK, in Frame5 at 0, 4680
reading_exit=(8010 5192) # cmdExit, beside it
exit_exit=(6622 2947)    # cmdClose of the exit window

log() { echo "windows-wine: $*"; }
fail() {
    echo "windows-wine: $*" >&2
    echo "windows-wine: windows on the screen then:" >&2
    list_windows >&2 || true
    exit 1
}
now_ms() { date +%s%3N; }

# --- The windows on the X server -------------------------------------------

# Every visible window of a name: "id pid width height" per line. Wine gives
# each X window the Unix process of the Windows program that owns it.
windows_named() {
    local id pid
    for id in $(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null); do
        pid=$(xprop -id "$id" _NET_WM_PID 2>/dev/null | awk '{print $3}')
        xwininfo -id "$id" 2>/dev/null |
            awk -v id="$id" -v pid="${pid:-0}" \
                '/Width:/ {w = $2} /Height:/ {h = $2} END {if (w) print id, pid, w, h}'
    done
}
list_windows() {
    local id
    for id in $(xdotool search --onlyvisible --name . 2>/dev/null); do
        echo "  $id '$(xdotool getwindowname "$id" 2>/dev/null)'"
    done
}
# Waits up to $3 seconds for a window named $1, of the process $2 (or of any
# when empty), that is none of the ids that follow; prints its line.
wait_window() {
    local name=$1 pid=$2 deadline=$(($(now_ms) + $3 * 1000)) found
    shift 3
    local known=" $* "
    while :; do
        found=$(windows_named "$name" |
            awk -v pid="$pid" -v known="$known" \
                '(pid == "" || $2 == pid) && index(known, " " $1 " ") == 0' | head -1)
        if [ -n "$found" ]; then
            echo "$found"
            return 0
        fi
        [ "$(now_ms)" -lt "$deadline" ] || return 1
        sleep 0.05
    done
}
# Waits up to $2 seconds for the window $1 to be gone from the screen.
wait_gone() {
    local deadline=$(($(now_ms) + $2 * 1000))
    while [ "$(now_ms)" -lt "$deadline" ]; do
        xdotool search --onlyvisible --name . 2>/dev/null | grep -qx "$1" || return 0
        sleep 0.05
    done
    return 1
}
# Points at a point of a window's client area, given in twips. The X window
# holds Wine's frame too: as wide on the left as on the right, and at the
# top the title bar besides, however tall its font makes it.
point_twips() {
    local window=$1 x=$2 y=$3 client_width=$4 client_height=$5 id pid width height side top
    read -r id pid width height <<<"$window"
    side=$(((width - client_width) / 2))
    top=$((height - client_height - side))
    xdotool mousemove --window "$id" $((x / 15 + side)) $((y / 15 + top))
    # Wine may still be taking the pointer's move when a click comes with it.
    sleep 0.3
}
click_twips() {
    point_twips "$@"
    xdotool click 1
    sleep 0.3
}
# Answers a message box with Enter, its default button, typed as on a real
# keyboard. A key sent to the box's window alone would lose its release with
# the box, and Wine would hold Enter down for whichever window comes next.
press_enter() { press_key "$1" Return; }
press_key() {
    xdotool windowfocus "${1%% *}" 2>/dev/null || true
    xdotool key "$2"
}
# Runs a command line through cmd.exe in the folder given; prints what it
# wrote, without carriage returns, and ends with cmd's status.
cmd_in() {
    local dir=$1 status=0
    shift
    (cd "$dir" && wine cmd /c "$*") >"$build_dir/cmd.out" 2>&1 || status=$?
    tr -d '\r' <"$build_dir/cmd.out"
    return "$status"
}
# Every file of the installed program with its size and time.
installed_files() { (cd "$program_dir" && find . -type f -printf '%p %s %T@\n' | sort); }

# --- The steps ---------------------------------------------------------------

# A display of its own, whichever number is free, and a fresh Wine prefix.
start_display_and_wine() {
    local display_file start
    export WINEPREFIX=$build_dir/wine WINEARCH=win64 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
    rm -rf "$WINEPREFIX"
    display_file=$(mktemp)
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$display_file" 2>/dev/null &
    xvfb_pid=$!
    for _ in $(seq 100); do
        [ -s "$display_file" ] && break
        sleep 0.1
    done
    [ -s "$display_file" ] || fail "Xvfb gave no display"
    export DISPLAY=:$(cat "$display_file")
    rm -f "$display_file"

    start=$(now_ms)
    wineboot -i
    # There is no window manager on Xvfb. Wine waits up to 2 s for one to
    # withdraw each window it hides (the main window, as the reading comes),
    # unless it draws the frames itself, as Windows does.
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null
    log "Wine prefix made in $(($(now_ms) - start)) ms"
    wine_server_up
}

# Debian starts the Wine server to end with its last program, and Wine's
# own services with it. Between two programs it then goes down and comes up
# again, and a program that starts while the server goes down dies without
# a word. One server stays up for the whole check instead, with the services
# started here: they inherit the output of the program that starts them, and
# would hold open the pipe of whichever test or $(wine …) came first.
wine_server_up() {
    wineserver -w
    wineserver -p
    wine cmd /c exit </dev/null >/dev/null 2>&1
}

# Unpacked anywhere, the zip shows its program at the top, and it runs there.
zip_layout() {
    local zip=$build_dir/Brewlore-$version-win64.zip top=Brewlore-$version-win64 listing file answer
    listing=$(unzip -Z1 "$zip")
    for file in brewlore.exe brewlore.com README.txt Qt6Core.dll platforms/qwindows.dll \
        styles/qwindowsvistastyle.dll licenses/LICENSE.txt; do
        grep -qx "$top/$file" <<<"$listing" || fail "the zip has no $top/$file"
    done
    ! grep -q "^$top/bin/" <<<"$listing" || fail "the zip still has a bin folder"
    rm -rf "$build_dir/wine-zip"
    unzip -q "$zip" -d "$build_dir/wine-zip"
    answer=$(cmd_in "$build_dir/wine-zip/$top" brewlore --version) ||
        fail "brewlore --version in the unpacked zip: $answer"
    [ "$answer" = "Brewlore $version" ] || fail "brewlore --version in the unpacked zip said '$answer'"
    log "zip: brewlore.exe, brewlore.com, README.txt and the DLLs at the top of $top\\; brewlore --version there: $answer"
}

install_silently() {
    local shortcut entry value
    log "$(basename "$installer"): $(du -k "$installer" | cut -f1) KiB"
    wine "$installer" /S
    program_win_dir='C:\Program Files\Brewlore'
    program_dir="$WINEPREFIX/drive_c/Program Files/Brewlore"
    exe="$program_win_dir\\$program_file"
    [ -f "$program_dir/$program_file" ] && [ -f "$program_dir/brewlore.com" ] ||
        fail "the silent install put no $program_file and brewlore.com in $program_win_dir"
    log "silent install: $(find "$program_dir" -type f | wc -l) files in $program_win_dir"
    shortcut=$(find "$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs" -name 'Brewlore.lnk' | head -1)
    [ -n "$shortcut" ] || fail "no Start-menu shortcut"
    log "Start-menu shortcut: ${shortcut#"$WINEPREFIX/drive_c/"}"
    entry=$(wine reg query "$uninstall_key" | tr -d '\r')
    for value in "DisplayVersion.*$version" "Publisher.*Quillory Softwares" "UninstallString" \
        "InstallLocation +REG_SZ +C:\\\\Program Files\\\\Brewlore\$" "EstimatedSize +REG_DWORD +0x[1-9a-f]" \
        "NoModify +REG_DWORD +0x1\$" "NoRepair +REG_DWORD +0x1\$"; do
        grep -Eq "$value" <<<"$entry" || fail "Apps & features entry lacks $value"
    done
    log "Apps & features: $(grep -E 'DisplayName|DisplayVersion|Publisher|InstallLocation|EstimatedSize|NoModify|NoRepair' <<<"$entry" | awk '{$2 = ""; print}' | tr -s ' ' | paste -sd ';')"
    ! wine reg query 'HKLM\System\CurrentControlSet\Control\Session Manager\Environment' /v PATH |
        grep -qi brewlore || fail "the silent install put the program on the path"
}

answers_version() {
    local answer
    answer=$(wine "$exe" --version | tr -d '\r')
    [ "$answer" = "Brewlore $version" ] || fail "--version said '$answer'"
    log "brewlore.exe --version: $answer"
}

# Typed in cmd, "brewlore" runs brewlore.com, which waits for the program:
# its answer comes before the next command, its status is cmd's, and
# redirected in Turkish it is UTF-8.
companion_through_cmd() {
    local answer status=0
    answer=$(cmd_in "$program_dir" 'brewlore --version & echo next') || status=$?
    [ "$answer" = "Brewlore $version"$'\n'"next" ] || fail "brewlore --version through cmd said '$answer'"
    answer=$(cmd_in "$program_dir" brewlore --bogus) || status=$?
    [ "$status" -eq 2 ] || fail "brewlore --bogus through cmd ended with status $status"
    grep -q "bogus" <<<"$answer" || fail "brewlore --bogus through cmd said '$answer'"
    log "brewlore.com through cmd /c: --version before the next command; --bogus: '$(head -1 <<<"$answer")', status $status"
    LC_ALL=tr_TR.UTF-8 cmd_in "$program_dir" "brewlore --help > $(winepath -w "$build_dir/help-tr.txt")" >/dev/null ||
        fail "brewlore --help into a file failed"
    grep -q "Kullanım: brewlore" "$build_dir/help-tr.txt" ||
        fail "brewlore --help in Turkish, into a file, is not UTF-8: $(head -c 40 "$build_dir/help-tr.txt" | od -c | head -2)"
    log "brewlore --help in Turkish into a file: '$(grep -m1 Kullanım "$build_dir/help-tr.txt")', in UTF-8"
}

# Started as from a shortcut, with no console to write to, a mistake in the
# command line comes in a message box; Enter ends the program with status 2.
tells_mistake_in_box() {
    local mistaken box status=0
    wine cmd /c start "" /wait "$exe" --no-such-option </dev/null >/dev/null 2>&1 &
    mistaken=$!
    box=$(wait_window "$title" "" 30) || fail "a mistake with no console showed no message box"
    press_enter "$box"
    wait "$mistaken" || status=$?
    [ "$status" -eq 2 ] || fail "the mistake ended with status $status"
    log "mistake with no console: the message box, then status $status"
}

# Starts the program; sets $program to its process and $main to its window.
start_program() {
    local start
    start=$(now_ms)
    wine "$exe" &
    program=$!
    if ! main=$(wait_window "$caption" "$program" 60); then
        wait_window "$title" "$program" 0 >/dev/null && fail "the start said 'Application is already running'"
        fail "no main window '$caption'"
    fi
    log "started: main window '$caption' after $(($(now_ms) - start)) ms"
}

stores_reminder_date() {
    local settings duration=004400750072006100740069006F006E # "Duration" in UTF-16
    settings=$(wine reg query 'HKCU\Software\brewlore\brewlore\Settings' | tr -d '\r')
    grep -q "$duration" <<<"$settings" ||
        fail "no reminder date in HKCU\\Software\\brewlore\\brewlore\\Settings"
    log "registry: HKCU\\Software\\brewlore\\brewlore\\Settings: $(grep "$duration" <<<"$settings" | tr -s ' ')"
}

# Clicks the coffee pot; sets $shown to the reading window, the next window
# of the program's with its caption.
reading() {
    local clicked
    # A first click on a window that is not the active one only activates it.
    click_twips "$main" "${frame1[@]}" "${main_size[@]}"
    point_twips "$main" "${pot[@]}" "${main_size[@]}"
    clicked=$(now_ms)
    xdotool click 1
    shown=$(wait_window "$caption" "$program" 20 "${main%% *}") || fail "no reading window"
    log "reading window $(($(now_ms) - clicked)) ms after the click on the coffee pot"
}

reading_then_back() {
    local main_id=${main%% *}
    reading
    click_twips "$shown" "${back[@]}" "${reading_size[@]}"
    wait_gone "${shown%% *}" 10 || fail "Back left the reading window"
    main=$(wait_window "$caption" "$program" 10 "${shown%% *}") || fail "Back brought no main window"
    [ "${main%% *}" = "$main_id" ] || fail "Back brought another window than the main one"
    log "Back: the main window again"
}

reading_then_exit() {
    local leaving status=0
    reading
    click_twips "$shown" "${reading_exit[@]}" "${reading_size[@]}"
    leaving=$(wait_window "$caption" "$program" 10 "${main%% *}" "${shown%% *}") ||
        fail "Exit brought no exit window"
    click_twips "$leaving" "${exit_exit[@]}" "${exit_size[@]}"
    wait "$program" || status=$?
    [ "$status" -eq 0 ] || fail "the program ended with status $status"
    log "Exit, then the exit window's Exit: status $status"
}

# A second copy beside a running one only says so, and ends.
second_copy_says_so() {
    local second box status=0
    wine "$exe" &
    second=$!
    box=$(wait_window "$title" "$second" 30) || fail "the second copy showed no message box"
    press_enter "$box"
    wait "$second" || status=$?
    [ "$status" -eq 0 ] || fail "the second copy ended with status $status"
    kill -0 "$program" || fail "the first copy did not survive the second"
    log "second copy: the message box, then status $status; the first copy runs on"
}

# A copy killed as by the Task Manager must not lock out the next start.
start_after_kill() {
    wineserver -k
    wait "$program" || true
    wine_server_up
    log "start after a killed copy:"
    start_program
    wineserver -k
    wait "$program" || true
    wine_server_up
}

# Two addresses of 240 Greek letters each: the form says what to shorten and
# hands nothing to the shell, whose calls Wine's "exec" channel logs. The
# exit window comes when the main window is closed.
long_referral() {
    local trace=$build_dir/referral-exec.log leaving box status=0
    WINEDEBUG=+exec LC_ALL=el_GR.UTF-8 wine "$exe" 2>"$trace" &
    program=$!
    main=$(wait_window "$caption" "$program" 60) || fail "no main window for the referral"
    press_key "$main" alt+F4
    leaving=$(wait_window "$caption" "$program" 10 "${main%% *}") ||
        fail "closing the main window brought no exit window"
    # The boxes and the button of the referral frame, which sits at 120, 3240.
    paste_twips "$leaving" 1205 3740 "Άννα"
    paste_twips "$leaving" 4720 3740 "$(printf 'α%.0s' $(seq 240))@a.gr"
    paste_twips "$leaving" 1205 4100 "Μπομπ"
    paste_twips "$leaving" 4720 4100 "$(printf 'β%.0s' $(seq 240))@b.gr"
    click_twips "$leaving" 3727 4462 "${exit_size[@]}"
    box=$(wait_window "$title" "$program" 20) || fail "the long referral showed no message"
    ! grep -q "qlqs-refer-a-friend" "$trace" || fail "the long referral was handed to the shell"
    press_enter "$box"
    wait_gone "${box%% *}" 10 || fail "the message stayed"
    click_twips "$leaving" "${exit_exit[@]}" "${exit_size[@]}"
    wait "$program" || status=$?
    [ "$status" -eq 0 ] || fail "the program ended with status $status"
    log "long referral: a message box, nothing handed to the shell; then Exit"
}
paste_twips() {
    printf '%s' "$4" | xclip -selection clipboard
    click_twips "$1" "$2" "$3" "${exit_size[@]}"
    xdotool key ctrl+a ctrl+v
    sleep 0.5
}

# With the program running, a silent uninstall and a silent install fail and
# change nothing. Asked in a window, the user closes the program and presses
# Retry: the installer goes on, to its question about the installed version.
beside_running_copy() {
    local before status=0 setup box
    start_program
    before=$(installed_files)
    # Run in place, the uninstaller's status comes back. It reads the folder
    # from the end of its command line, unquoted: the short name has no blank.
    wine "$program_dir/Uninstall.exe" /S "_?=$(winepath -s "$program_win_dir")" || status=$?
    [ "$status" -ne 0 ] || fail "the silent uninstall beside a running copy reported success"
    log "silent uninstall beside a running copy: status $status"
    status=0
    wine "$installer" /S || status=$?
    [ "$status" -ne 0 ] || fail "the silent install over a running copy reported success"
    log "silent install over a running copy: status $status"
    [ "$(installed_files)" = "$before" ] || fail "a refused install or uninstall changed the program's files"
    wine reg query "$uninstall_key" >/dev/null || fail "a refused uninstall took the Apps & features entry"
    wine "$installer" &
    setup=$!
    box=$(wait_window "Brewlore Setup" "$setup" 60) || fail "the installer asked nothing beside a running copy"
    wine taskkill /f /im "$program_file" >/dev/null 2>&1 || true
    { wait "$program"; } 2>/dev/null || true
    press_enter "$box"
    box=$(wait_window "Brewlore Setup" "$setup" 10 "${box%% *}") || fail "Retry after closing the program did not go on"
    press_key "$box" Escape
    wait "$setup" || true
    [ "$(installed_files)" = "$before" ] || fail "the cancelled install changed the program's files"
    log "install beside a running copy: asked; Retry went on once it was closed; nothing changed"
}

# Installed into another folder, the new version takes the old one whole,
# the old uninstaller with it; the uninstall then takes the new folder.
reinstall_elsewhere() {
    local old_dir=$program_dir
    # /D= ends the command line unquoted, so the folder has no blank.
    program_win_dir='C:\BrewloreElsewhere'
    program_dir="$WINEPREFIX/drive_c/BrewloreElsewhere"
    wine "$installer" /S "/D=$program_win_dir"
    [ -f "$program_dir/$program_file" ] || fail "no install in $program_win_dir"
    [ ! -e "$old_dir" ] || fail "the old folder kept $(cd "$old_dir" && find . -type f | paste -sd ' ')"
    log "reinstall into $program_win_dir: the old folder went whole"
}

# The uninstaller runs on from a copy of itself and returns at once, so its
# status says nothing; the files gone do, and last of all the folder.
uninstall() {
    wine "$program_dir/Uninstall.exe" /S || true
    for _ in $(seq 600); do
        [ -d "$program_dir" ] || break
        sleep 0.1
    done
    if [ -d "$program_dir" ]; then
        fail "the uninstaller left $(find "$program_dir" | wc -l) files and folders"
    fi
    wine reg query 'HKCU\Software\brewlore\brewlore\Settings' >/dev/null ||
        fail "the uninstall took the user's settings"
    log "uninstall: $program_win_dir is gone; the user's setting stays"
}

# The test programs, through CTest with scripts/wine-test.sh as their runner.
run_tests() {
    local status=0 report=$build_dir/Testing/Temporary/LastTest.log
    ctest --preset windows --test-dir "$build_dir" --parallel "$(nproc)" || status=$?
    awk '/^Totals:/ {p += $2; f += $4; s += $6}
         END {printf "windows-wine: test cases under Wine: %d passed, %d failed, %d skipped\n", p, f, s}' "$report"
    grep -a '^SKIP   :' "$report" | sed 's/([^)]*)//; s/^SKIP   : /windows-wine: skipped: /' | sort -u
    [ "$status" -eq 0 ] || fail "tests failed under Wine"
}

xvfb_pid=
cleanup() {
    wineserver -k 2>/dev/null || true
    [ -z "$xvfb_pid" ] || kill "$xvfb_pid" 2>/dev/null || true
}
trap cleanup EXIT

start_display_and_wine
zip_layout
install_silently
answers_version
companion_through_cmd
tells_mistake_in_box
start_program
stores_reminder_date
reading_then_back
reading_then_exit
start_program
second_copy_says_so
start_after_kill
long_referral
beside_running_copy
reinstall_elsewhere
uninstall
run_tests
