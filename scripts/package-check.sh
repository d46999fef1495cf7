#!/usr/bin/env bash
# Installs what is missing, builds the Debian package into build-pkg/ and
# checks it as a packager and a desktop would meet it: lintian finds neither
# error nor warning, the desktop entry, the metainfo and the manual page pass
# their validators, the program, the entry, the metainfo, the manual page and
# every icon size land where a desktop looks for them, Qt is a dependency and
# not a passenger, apt can satisfy the dependencies here, the installed
# program tells its version without a display, and it starts under Xvfb and
# shows its main window. The program carries the compiler's protections that
# Debian's own packages carry, and a second build of the same sources, copied
# to another folder and built there later, gives the same package byte for
# byte.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh dpkg-dev file lintian desktop-file-utils appstream man-db xvfb xauth x11-utils devscripts

fail() {
    echo "package-check: $*" >&2
    exit 1
}

# The times inside the package and its compiled resources: the last commit's.
[ -n "${SOURCE_DATE_EPOCH:-}" ] || SOURCE_DATE_EPOCH=$(git log -1 --format=%ct)
export SOURCE_DATE_EPOCH

# Builds the package of the sources in $1 in the folder $2 and prints its path.
build_package() {
    cmake -S "$1" --preset release -B "$2" >/dev/null
    cmake --build "$2" --parallel "$(nproc)" >&2
    rm -f "$2"/brewlore_*.deb
    (cd "$2" && cpack -G DEB >/dev/null)
    local debs=("$2"/brewlore_*.deb)
    [ -f "${debs[0]}" ] || fail "cpack made no package in $2"
    echo "$(cd "$2" && pwd)/$(basename "${debs[0]}")"
}

deb=$(build_package . build-pkg)
echo "== $deb"
dpkg-deb --field "$deb" Package Version Architecture Section Depends Recommends
dpkg-deb --contents "$deb"

root="$(mktemp -d)"
trap 'rm -rf "$root"' EXIT
dpkg-deb --extract "$deb" "$root"

app_id=io.example.quillory.Brewlore
desktop="$root/usr/share/applications/$app_id.desktop"
metainfo="$root/usr/share/metainfo/$app_id.metainfo.xml"
manual="$root/usr/share/man/man1/brewlore.1.gz"
[ -x "$root/usr/bin/brewlore" ] || fail "usr/bin/brewlore is missing"
[ -f "$desktop" ] || fail "usr/share/applications/$app_id.desktop is missing"
[ -f "$metainfo" ] || fail "usr/share/metainfo/$app_id.metainfo.xml is missing"
[ -f "$manual" ] || fail "usr/share/man/man1/brewlore.1.gz is missing"
for dir in data/icons/hicolor/*/; do
    size="$(basename "$dir")"
    ext=png
    [ "$size" = scalable ] && ext=svg
    [ -f "$root/usr/share/icons/hicolor/$size/apps/brewlore.$ext" ] ||
        fail "usr/share/icons/hicolor/$size/apps/brewlore.$ext is missing"
done

echo "== hardening"
# PIE, the stack protector, fortified functions, RELRO and BIND_NOW.
# Control-flow protection is left out: Debian 12's own C start-up files
# (Scrt1.o, crti.o, crtn.o) carry no IBT or SHSTK mark, so no program linked
# here can.
hardening-check --nocfprotection "$root/usr/bin/brewlore" || fail "usr/bin/brewlore lacks a protection"

echo "== lintian"
# Debian's own checker, run as a packager runs it, its informational tags
# shown too. A tag overridden in the package must carry its one-line reason
# beside the override.
tags=$(lintian --pedantic -I --fail-on error,warning "$deb") || {
    echo "$tags"
    fail "lintian finds errors or warnings"
}
echo "$tags"
if grep ' hardening-' <<<"$tags"; then
    fail "lintian finds a protection missing"
fi
echo "lintian: no errors, warnings or hardening tags"

echo "== validators"
desktop-file-validate "$desktop"
appstreamcli validate --no-net "$metainfo"
# man reports every roff warning; any at all fails the check.
warnings="$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l "$manual" 2>&1 >/dev/null)"
[ -z "$warnings" ] || fail "the manual page has roff warnings: $warnings"
echo "usr/share/man/man1/brewlore.1.gz: no roff warnings"

echo "== dependencies"
dpkg-deb --field "$deb" Depends | grep -q 'libqt6widgets6' || fail "the package does not depend on Qt"
if dpkg-deb --contents "$deb" | grep -q 'libQt6'; then
    fail "the package carries Qt libraries"
fi
apt-get install --simulate -qq "$deb" >/dev/null || fail "apt cannot satisfy the package's dependencies"

echo "== the installed program's version, without a display"
version="$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$root/usr/bin/brewlore" --version)"
echo "$version"
[ "$version" = "Brewlore $(dpkg-deb --field "$deb" Version)" ] || fail "--version says \"$version\""

echo "== first start of the installed program"
caption="Brewlore v$(dpkg-deb --field "$deb" Version)"
# Its own runtime folder and settings folder (where the single-instance lock
# lives), so a running copy of the user's does not turn it away.
mkdir -p "$root/home/runtime" "$root/home/config"
chmod 700 "$root/home/runtime"
xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" \
    env -u QT_QPA_PLATFORM XDG_RUNTIME_DIR="$root/home/runtime" XDG_CONFIG_HOME="$root/home/config" \
    bash -c '
        "$1" &
        pid=$!
        sleep 4
        if ! kill -0 "$pid" 2>/dev/null; then
            wait "$pid" && status=0 || status=$?
            echo "package-check: the installed program ended by itself (status $status)" >&2
            exit 1
        fi
        shown=0
        xwininfo -root -children | grep -q "\"$2\"" && shown=1
        kill "$pid"
        wait "$pid" 2>/dev/null || true
        [ "$shown" = 1 ] || { echo "package-check: the main window did not show" >&2; exit 1; }
    ' _ "$root/usr/bin/brewlore" "$caption"

echo "== the same package from a second folder"
# A copy of the sources as they are, with times of their own, built in a
# folder of its own: a packager's build elsewhere, later.
twin=build-pkg-twin
rm -rf "$twin"
mkdir -p "$twin/src"
tar -c --exclude='./build*' --exclude=./.git . | tar -x --touch -C "$twin/src"
twin_deb=$(build_package "$twin/src" "$twin/build")
sha256sum "$deb" "$twin_deb"
if ! cmp -s "$deb" "$twin_deb"; then
    # Every file of both, control files included, by its checksum: the lines
    # that differ name the files that do.
    sums() {
        dpkg-deb --raw-extract "$1" "$2"
        (cd "$2" && find . -type f -exec sha256sum {} + | sort -k2)
    }
    diff <(sums "$deb" "$twin/unpacked-1") <(sums "$twin_deb" "$twin/unpacked-2") ||
        fail "the build in $twin/build gives another package: the files above differ"
    diff <(dpkg-deb --contents "$deb") <(dpkg-deb --contents "$twin_deb") ||
        fail "the build in $twin/build gives another package: the same files in other entries"
    fail "the build in $twin/build gives another package: the same files and entries"
fi
echo "package-check: $(basename "$deb") builds, validates, installs and starts, and builds the same elsewhere"
