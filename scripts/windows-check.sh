#!/usr/bin/env bash
# Installs the mingw-w64 cross tools if missing and compiles the pieces that
# differ on Windows, so that they cannot rot unseen on Linux: the shell launch
# source and the font warm-up, which has no fontconfig to read there (compile
# only: there is no Qt for Windows here to link against), and the resource
# script, whose version must be the project's.
set -euo pipefail
cd "$(dirname "$0")/.."
# One thread model is enough for a compile check; the win32 one is the smaller.
scripts/setup.sh g++-mingw-w64-x86-64-win32 binutils-mingw-w64-x86-64

fail() {
    echo "windows-check: $*" >&2
    exit 1
}

out="$(mktemp -d)"
trap 'rm -rf "$out"' EXIT

for source in src/platform/shell_open_win.cpp src/platform/font_warmup.cpp; do
    x86_64-w64-mingw32-g++ -std=c++17 -Wall -Wextra -Wpedantic -Werror -Isrc \
        -c "$source" -o "$out/$(basename "$source" .cpp).o"
    echo "windows-check: $source compiles"
done

# CMake writes the version and the icon's path into the resource script.
build_dir=${BREWLORE_BUILD_DIR:-build}
cmake -S . -B "$build_dir" >/dev/null
x86_64-w64-mingw32-windres "$build_dir/src/app/brewlore.rc" -O coff -o "$out/brewlore.res.o"
# Read the compiled resources back: the icon and the version must be in them.
x86_64-w64-mingw32-windres -i "$out/brewlore.res.o" -O rc -o "$out/brewlore.dump.rc"
version="$(sed -n 's/^project(Brewlore VERSION \([0-9]*\)\.\([0-9]*\).*/\1, \2, 0, 0/p' CMakeLists.txt)"
[ -n "$version" ] || fail "no project version in CMakeLists.txt"
grep -q "RT_GROUP_ICON" "$out/brewlore.dump.rc" || fail "the resources hold no icon"
grep -q " FILEVERSION $version\$" "$out/brewlore.dump.rc" ||
    fail "FILEVERSION is not the project's version ($version)"
grep -q " PRODUCTVERSION $version\$" "$out/brewlore.dump.rc" ||
    fail "PRODUCTVERSION is not the project's version ($version)"
grep -q 'VALUE "ProductName", "Brewlore"' "$out/brewlore.dump.rc" || fail "no ProductName"
echo "windows-check: src/app/brewlore.rc.in compiles, with the icon and version ${version//, /.}"
