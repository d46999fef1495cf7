#!/usr/bin/env bash
# Cross-builds the Windows program and its tests into build-win/ with
# mingw-w64 and the Qt for Windows in ../shared/toolchains/, checks the
# version and icon resources of the program, and makes the two packages:
# Brewlore-<version>-win64.exe (NSIS) and Brewlore-<version>-win64.zip.
# Without that archive, Qt is built from Debian's source with
# cmake/build-qt-mingw.sh, which takes about 45 minutes on 2 cores.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 ninja-build nsis

fail() {
    echo "windows-build: $*" >&2
    exit 1
}

# The times in the programs' headers, their compiled resources and the zip:
# the last commit's.
[ -n "${SOURCE_DATE_EPOCH:-}" ] || SOURCE_DATE_EPOCH=$(git log -1 --format=%ct)
export SOURCE_DATE_EPOCH

build_dir=${BREWLORE_WIN_BUILD_DIR:-build-win}
mkdir -p "$build_dir"
build_dir=$(cd "$build_dir" && pwd)
toolchains=$(cd .. && pwd)/shared/toolchains
qt_name=qt-6.4.2-mingw-w64-x86_64
qt_cache=$build_dir/.qt
qt=$qt_cache/$qt_name

# Unpacked once per build folder, and again when the archive changes.
if [ -f "$toolchains/$qt_name.tar.xz" ]; then
    stamp=$(sha256sum "$toolchains/$qt_name.tar.xz" | cut -d' ' -f1)
    if [ "$(cat "$qt_cache/stamp" 2>/dev/null)" != "$stamp" ]; then
        (cd "$toolchains" && sha256sum --quiet -c SHA256SUMS) ||
            fail "$toolchains/$qt_name.tar.xz does not match its SHA256SUMS"
        rm -rf "$qt_cache"
        mkdir -p "$qt_cache"
        tar xJf "$toolchains/$qt_name.tar.xz" -C "$qt_cache"
        echo "$stamp" >"$qt_cache/stamp"
        echo "windows-build: unpacked $qt_name from $toolchains"
    fi
elif [ ! -f "$qt/lib/cmake/Qt6/qt.toolchain.cmake" ]; then
    echo "windows-build: no $qt_name.tar.xz in $toolchains;" \
        "building Qt for Windows from Debian's source (about 45 minutes on 2 cores)"
    cmake/build-qt-mingw.sh "$qt" "$build_dir/.qt-work"
fi

# The preset's Qt is the one unpacked in build-win/; another build folder
# holds its own.
cmake --preset windows -B "$build_dir" -DCMAKE_TOOLCHAIN_FILE="$qt/lib/cmake/Qt6/qt.toolchain.cmake" >/dev/null
cmake --build "$build_dir" --parallel "$(nproc)"
# The version as the project states it, which CMake has read.
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build_dir/CMakeCache.txt")
[ -n "$version" ] || fail "no project version in $build_dir/CMakeCache.txt"
echo "windows-build: built $build_dir/src/app/brewlore.exe and the tests"

# The compiled resources, read back: the icon and the version must be in them.
res=$build_dir/src/app/CMakeFiles/brewlore.dir/brewlore.rc.res
dump=$build_dir/brewlore.dump.rc
x86_64-w64-mingw32-windres -J coff -i "$res" -O rc -o "$dump"
resource_version="${version/./, }, 0, 0"
grep -q "RT_GROUP_ICON" "$dump" || fail "the resources hold no icon"
grep -q " FILEVERSION $resource_version\$" "$dump" ||
    fail "FILEVERSION is not the project's version ($resource_version)"
grep -q " PRODUCTVERSION $resource_version\$" "$dump" ||
    fail "PRODUCTVERSION is not the project's version ($resource_version)"
grep -q 'VALUE "ProductName", "Brewlore"' "$dump" || fail "no ProductName"
# A GUI program: started from Explorer it opens no console window.
headers=$(x86_64-w64-mingw32-objdump -p "$build_dir/src/app/brewlore.exe")
grep -q "^Subsystem.*(Windows GUI)" <<<"$headers" || fail "brewlore.exe is not a GUI program"
echo "windows-build: brewlore.exe is a GUI program with the icon and version $version"
# Its companion is a console program, which cmd and PowerShell wait for.
headers=$(x86_64-w64-mingw32-objdump -p "$build_dir/src/app/brewlore.com")
grep -q "^Subsystem.*(Windows CUI)" <<<"$headers" || fail "brewlore.com is not a console program"
echo "windows-build: brewlore.com is a console program"
# Address-space layout randomisation with 64-bit entropy and no code run
# from data, in every program the build makes: the GUI program and its
# console companion.
for program in "$build_dir"/src/app/brewlore.exe "$build_dir"/src/app/brewlore.com; do
    flags=$(x86_64-w64-mingw32-objdump -p "$program" | sed -n '/^DllCharacteristics/,/^SizeOfStackReserve/p')
    for flag in DYNAMIC_BASE HIGH_ENTROPY_VA NX_COMPAT; do
        grep -qw "$flag" <<<"$flags" || fail "$(basename "$program") lacks $flag"
    done
    echo "windows-build: $(basename "$program") has DYNAMIC_BASE, HIGH_ENTROPY_VA and NX_COMPAT"
done

(cd "$build_dir" && cpack -C Release >/dev/null) || fail "cpack failed"
for package in "$build_dir"/Brewlore-*-win64.exe "$build_dir"/Brewlore-*-win64.zip; do
    [ -f "$package" ] || fail "no package $package"
    echo "windows-build: $(basename "$package"): $(du -k "$package" | cut -f1) KiB"
done
# The installer's own version information, which its file properties show.
setup_name="Brewlore $version Setup"
grep -qx "$setup_name" <<<"$(strings -el "$build_dir"/Brewlore-*-win64.exe)" ||
    fail "the installer carries no version information '$setup_name'"
echo "windows-build: the installer's version information: $setup_name"
