#!/usr/bin/env bash
# Runs what scripts/windows-build.sh made under Wine on a headless X server,
# in a fresh Wine prefix inside the build folder: the silent install, a start,
# a reading, Back and Exit, the setting in the registry, a second copy, a
# start after a killed copy, --version and the uninstall; then the test
# programs through CTest. The windows are found by their names on the X
# server and clicked at the places their layout gives (15 twips a pixel).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh wine wine64 fonts-wine xvfb xdotool x11-utils

build_dir=$(cd "${BREWLORE_WIN_BUILD_DIR:-build-win}" && pwd)
version=$(sed -n 's/^project(Brewlore VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
caption="Brewlore v$version"
installer=$build_dir/Brewlore-$version-win64.exe

log() { echo "windows-wine: $*"; }
fail() {
    echo "windows-wine: $*" >&2
    exit 1
}
now_ms() { date +%s%3N; }

export WINEPREFIX=$build_dir/wine WINEARCH=win64 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
rm -rf "$WINEPREFIX"
xvfb_pid=
cleanup() {
    wineserver -k 2>/dev/null || true
    [ -z "$xvfb_pid" ] || kill "$xvfb_pid" 2>/dev/null || true
}
trap cleanup EXIT

# A display of its own, whichever number is free.
display_file=$(mktemp)
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$display_file" 2>/dev/null &
xvfb_pid=$!
for _ in $(seq 100); do
    [ -s "$display_file" ] && break
    sleep 0.1
done
export DISPLAY=:$(cat "$display_file")
rm -f "$display_file"

start=$(now_ms)
wineboot -i
# There is no window manager on Xvfb. Wine waits up to 2 s for one to
# withdraw each window it hides (the main window, as the reading comes),
# unless it draws the frames itself, as Windows does.
wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null
log "Wine prefix made in $(($(now_ms) - start)) ms"

# The program's windows on the X server: "id width height" per line.
windows_named() {
    local id
    for id in $(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null); do
        xwininfo -id "$id" 2>/dev/null |
            awk -v id="$id" '/Width:/ {w = $2} /Height:/ {h = $2} END {if (w) print id, w, h}'
    done
}
# Waits up to $3 seconds for a window named $1 whose client area is $2
# pixels wide (Wine draws a frame of a few pixels around it); prints its line.
wait_window() {
    local name=$1 width=$2 deadline=$(($(now_ms) + $3 * 1000)) found
    while [ "$(now_ms)" -lt "$deadline" ]; do
        found=$(windows_named "$name" | awk -v w="$width" '$2 >= w && $2 <= w + 16' | head -1)
        if [ -n "$found" ]; then
            echo "$found"
            return 0
        fi
        sleep 0.02
    done
    return 1
}
wait_gone() {
    local name=$1 width=$2 deadline=$(($(now_ms) + $3 * 1000))
    while [ "$(now_ms)" -lt "$deadline" ]; do
        windows_named "$name" | awk -v w="$width" '$2 >= w && $2 <= w + 16 {found = 1} END {exit found}' &&
            return 0
        sleep 0.05
    done
    return 1
}
# Points at a client-area point given in twips. The X window holds Wine's
# frame too: as wide on the left as on the right, and at the top the title
# bar and the menu bar besides.
point_twips() {
    local window=$1 x=$2 y=$3 client_width=$4 client_height=$5 id width height side top
    read -r id width height <<<"$window"
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

# The window sizes and the points clicked, in pixels and twips of the layout.
main_width=436 main_height=316       # 6540 x 4740
reading_width=578 reading_height=378 # 8670 x 5670
exit_width=741 exit_height=315       # 11115 x 4725
pot=(3305 2197)          # the middle of picCoffeePot, in Frame1 at 20, 600
frame1=(400 2000)        # an empty spot of Frame1, left of the pot
back=(6810 5192)         # cmdOK, in Frame5 at 0, 4680
reading_exit=(8010 5192) # cmdExit, beside it
exit_exit=(6622 2947)    # cmdClose of the exit window
message_box_width=244    # the client area of the "Application is already running" box

log "$(basename "$installer"): $(du -k "$installer" | cut -f1) KiB"
wine "$installer" /S
program_dir="$WINEPREFIX/drive_c/Program Files/Brewlore"
exe="C:\\Program Files\\Brewlore\\bin\\brewlore.exe"
[ -f "$program_dir/bin/brewlore.exe" ] || fail "the silent install put no brewlore.exe in Program Files"
log "silent install: $(find "$program_dir" -type f | wc -l) files in C:\\Program Files\\Brewlore"
shortcut=$(find "$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs" -name 'Brewlore.lnk' | head -1)
[ -n "$shortcut" ] || fail "no Start-menu shortcut"
log "Start-menu shortcut: ${shortcut#"$WINEPREFIX/drive_c/"}"
entry=$(wine reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Brewlore' | tr -d '\r')
for value in "DisplayVersion.*$version" "Publisher.*Quillory Softwares" "UninstallString"; do
    grep -q "$value" <<<"$entry" || fail "Apps & features entry lacks $value"
done
log "Apps & features: $(grep -E 'DisplayName|DisplayVersion|Publisher' <<<"$entry" | awk '{$2 = ""; print}' | tr -s ' ' | paste -sd ';')"

answer=$(wine "$exe" --version | tr -d '\r')
[ "$answer" = "Brewlore $version" ] || fail "--version said '$answer'"
log "brewlore.exe --version: $answer"

# Started as from a shortcut, with no console to write to, a mistake in the
# command line comes in a message box; OK ends the program with status 2.
# The box is as wide as the usage it holds, its OK button centred 26 pixels
# above its bottom edge.
status=0
wine cmd /c start "" /wait "$exe" --no-such-option </dev/null >/dev/null 2>&1 &
mistaken=$!
box=
for _ in $(seq 300); do
    box=$(windows_named Brewlore | head -1)
    [ -z "$box" ] || break
    sleep 0.1
done
[ -n "$box" ] || fail "a mistake with no console showed no message box"
read -r id width height <<<"$box"
xdotool mousemove --window "$id" $((width / 2)) $((height - 26))
sleep 0.3
xdotool click 1
wait "$mistaken" || status=$?
[ "$status" -eq 2 ] || fail "the mistake ended with status $status"
log "mistake with no console: the message box, then status $status"

# The start, a reading, Back, and the way out through the exit window.
start=$(now_ms)
wine "$exe" &
program=$!
main=$(wait_window "$caption" $main_width 60) || fail "no main window '$caption'"
log "started: main window '$caption' after $(($(now_ms) - start)) ms"

settings=$(wine reg query 'HKCU\Software\brewlore\brewlore\Settings' | tr -d '\r')
grep -q "004400750072006100740069006F006E" <<<"$settings" ||
    fail "no reminder date in HKCU\\Software\\brewlore\\brewlore\\Settings"
log "registry: HKCU\\Software\\brewlore\\brewlore\\Settings: $(grep 004400750072006100740069006F006E <<<"$settings" | tr -s ' ')"

reading() {
    local clicked reading_window
    # A first click on a window that is not the active one only activates it.
    click_twips "$main" "${frame1[@]}" $main_width $main_height
    point_twips "$main" "${pot[@]}" $main_width $main_height
    clicked=$(now_ms)
    xdotool click 1
    reading_window=$(wait_window "$caption" $reading_width 20) || fail "no reading window"
    log "reading window $(($(now_ms) - clicked)) ms after the click on the coffee pot" >&2
    echo "$reading_window"
}
shown=$(reading)
click_twips "$shown" "${back[@]}" $reading_width $reading_height
wait_gone "$caption" $reading_width 10 || fail "Back left the reading window"
main=$(wait_window "$caption" $main_width 10) || fail "Back brought no main window"
log "Back: the main window again"

shown=$(reading)
click_twips "$shown" "${reading_exit[@]}" $reading_width $reading_height
leaving=$(wait_window "$caption" $exit_width 10) || fail "Exit brought no exit window"
click_twips "$leaving" "${exit_exit[@]}" $exit_width $exit_height
status=0
wait "$program" || status=$?
[ "$status" -eq 0 ] || fail "the program ended with status $status"
log "Exit, then the exit window's Exit: status $status"

# A second copy beside a running one only says so, and ends; a copy killed
# as by the Task Manager must not lock out the next start.
wine "$exe" &
killed=$!
wait_window "$caption" $main_width 60 >/dev/null || fail "no main window before the kill"
# A second copy beside the running one only says so, and ends.
wine "$exe" &
second=$!
box=$(wait_window Brewlore $message_box_width 30) || fail "the second copy showed no message box"
# The box goes at the key press, before xdotool has let the key go again.
xdotool key --window "${box%% *}" Return 2>/dev/null || true
status=0
wait "$second" || status=$?
[ "$status" -eq 0 ] || fail "the second copy ended with status $status"
log "second copy: the message box, then status $status; the first copy runs on"
kill -0 "$killed" || fail "the first copy did not survive the second"

wineserver -k
wait "$killed" || true
start=$(now_ms)
wine "$exe" &
program=$!
if wait_window "$caption" $main_width 60 >/dev/null; then
    log "start after a killed copy: main window after $(($(now_ms) - start)) ms"
else
    windows_named Brewlore | grep -q " $message_box_width " &&
        fail "start after a killed copy: 'Application is already running'"
    fail "start after a killed copy: no main window"
fi
wineserver -k
wait "$program" || true

# The uninstaller runs on from a copy of itself and returns at once, so its
# status says nothing; the files gone do.
wine "$program_dir/Uninstall.exe" /S || true
for _ in $(seq 300); do
    [ -e "$program_dir/bin/brewlore.exe" ] || break
    sleep 0.1
done
[ ! -e "$program_dir/bin/brewlore.exe" ] || fail "the uninstaller left brewlore.exe"
wineserver -w || true
if [ -d "$program_dir" ]; then
    fail "the uninstaller left $(find "$program_dir" | wc -l) files and folders"
fi
wine reg query 'HKCU\Software\brewlore\brewlore\Settings' >/dev/null ||
    fail "the uninstall took the user's settings"
log "uninstall: C:\\Program Files\\Brewlore is gone; the user's setting stays"

# The test programs, through CTest with scripts/wine-test.sh as their runner.
status=0
ctest --test-dir "$build_dir" --output-on-failure --timeout 180 --parallel "$(nproc)" || status=$?
report=$build_dir/Testing/Temporary/LastTest.log
awk '/^Totals:/ {p += $2; f += $4; s += $6}
     END {printf "windows-wine: test cases under Wine: %d passed, %d failed, %d skipped\n", p, f, s}' "$report"
grep -a '^SKIP   :' "$report" | sed 's/([^)]*)//; s/^SKIP   : /windows-wine: skipped: /' | sort -u
[ "$status" -eq 0 ] || fail "tests failed under Wine"
