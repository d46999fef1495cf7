#!/usr/bin/env bash
# CTest's runner of the cross-built test programs (CMAKE_CROSSCOMPILING_EMULATOR):
# runs one under Wine, with the Qt and MinGW DLLs on its path, the fonts the
# Linux tests use, the test's QT_* settings and its language. Qt Test's report
# reaches Wine's standard output only when written to a file, so it goes
# through one and is printed after.
set -uo pipefail
qt=$(cd "$(dirname "$0")/.." && pwd)/${BREWLORE_WIN_BUILD_DIR:-build-win}/.qt/qt-6.4.2-mingw-w64-x86_64
windows_path() { winepath -w "$1" 2>/dev/null; }
WINEPATH="$(windows_path "$qt/bin");$(windows_path /usr/lib/gcc/x86_64-w64-mingw32/12-posix);$(windows_path /usr/x86_64-w64-mingw32/lib)"
# The offscreen platform reads its fonts from a folder: the Linux tests' own.
export QT_QPA_FONTDIR=$(windows_path /usr/share/fonts/truetype/dejavu)
# Wine keeps variables named QT_* to itself and hands on WINEQT_* as QT_*.
while IFS='=' read -r name _; do
    export "WINE$name=${!name}"
done < <(env | grep '^QT_[A-Za-z0-9_]*=')
# Wine takes the Windows language from the locale it is started in.
[ -z "${BREWLORE_TEST_LOCALE:-}" ] || export LC_ALL=$BREWLORE_TEST_LOCALE
export WINEPATH WINEDEBUG=${WINEDEBUG:--all}
report=$(mktemp)
wine "$@" -o "$(windows_path "$report"),txt"
status=$?
tr -d '\r' <"$report"
rm -f "$report"
exit "$status"
