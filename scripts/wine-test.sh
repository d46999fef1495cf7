#!/usr/bin/env bash
# CTest's runner of the cross-built test programs (CMAKE_CROSSCOMPILING_EMULATOR):
# runs one under Wine, with the Qt and MinGW DLLs on its path, the fonts the
# Linux tests use, the test's QT_* settings and its language. Qt Test's report
# reaches Wine's standard output only when written to a file, so it goes
# through one and is printed after.
set -uo pipefail
qt=$(cd "$(dirname "$0")/.." && pwd)/${BREWLORE_WIN_BUILD_DIR:-build-win}/.qt/qt-6.4.2-mingw-w64-x86_64
fail() {
    echo "wine-test: $*" >&2
    exit 1
}
report=$(mktemp)
trap 'rm -f "$report"' EXIT
# Wine's names for the folders and the report, asked in one go: winepath is
# a Wine program too, and a test run starts enough of them already.
mapfile -t windows < <(winepath -w "$qt/bin" /usr/lib/gcc/x86_64-w64-mingw32/12-posix \
    /usr/x86_64-w64-mingw32/lib /usr/share/fonts/truetype/dejavu "$report" | tr -d '\r')
[ "${#windows[@]}" -eq 5 ] || fail "winepath gave no Windows names for the test's folders"
WINEPATH="${windows[0]};${windows[1]};${windows[2]}"
# The offscreen platform reads its fonts from a folder: the Linux tests' own.
export QT_QPA_FONTDIR=${windows[3]}
# Wine keeps variables named QT_* to itself and hands on WINEQT_* as QT_*.
while IFS='=' read -r name _; do
    export "WINE$name=${!name}"
done < <(env | grep '^QT_[A-Za-z0-9_]*=')
# Wine takes the Windows language from the locale it is started in.
[ -z "${BREWLORE_TEST_LOCALE:-}" ] || export LC_ALL=$BREWLORE_TEST_LOCALE
export WINEPATH WINEDEBUG=${WINEDEBUG:--all}
wine "$@" -o "${windows[4]},txt"
status=$?
# A program that could not start, or died before Qt Test wrote a line, says
# nothing itself: say so here, with Wine's status.
[ -s "$report" ] || fail "$(basename "$1") wrote no report; Wine's status was $status"
tr -d '\r' <"$report"
exit "$status"
