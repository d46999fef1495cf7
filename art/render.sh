#!/usr/bin/env bash
# Regenerates every bitmap the program ships from the sources in this folder.
# Each picture the windows show also gets an "@2x" twin of twice the pixels,
# which the program picks on screens scaled above 100 %.
# Needs Debian packages: imagemagick (convert, identify), librsvg2-bin (rsvg-convert).
#
# Link cursor hot spot (finger tip), for QCursor: x = 10, y = 0.
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
root="$(cd "$here/.." && pwd)"
res="$root/src/forms/resources"
icons="$root/data/icons/hicolor"

for tool in convert identify rsvg-convert; do
    command -v "$tool" >/dev/null || { echo "render.sh: $tool not found (apt-get install imagemagick librsvg2-bin)" >&2; exit 1; }
done

tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT

# No timestamps or comments in the PNGs, so re-running gives byte-identical files.
png_opts=(-strip -define 'png:exclude-chunks=date,time')
# The pictures built into the program are stored without compression: they
# are read while the main window is built, and a few kilobytes more in the
# program are cheaper than inflating them there.
res_opts=("${png_opts[@]}" -define png:compression-level=0 -define png:compression-filter=0
    -define png:compression-strategy=0)

mkdir -p "$res"

# Start-screen picture: render 8x, then downscale for clean edges.
# 4:4:4 keeps the orange cup band from bleeding at this small size. JPEG colour
# cannot hold 63,47,33 exactly; the flat background decodes one step off in blue.
# The program ships the decoded JPEG as a PNG: the pixels stay those of the
# JPEG, and Qt reads PNG itself, without loading its JPEG plugin at start-up.
rsvg-convert -w 1096 -h 792 "$here/coffeepot.svg" -o "$tmp/coffeepot.png"
convert "$tmp/coffeepot.png" -background '#3f2f21' -flatten -filter Lanczos -resize '137x99!' \
    -strip -sampling-factor 1x1 -quality 92 "$tmp/coffeepot.jpg"
convert "$tmp/coffeepot.jpg" "${res_opts[@]}" "PNG24:$res/coffeepot.png"
# Its twin is lossless: at twice the size the edges are what the eye sees.
rsvg-convert -w 2192 -h 1584 "$here/coffeepot.svg" -o "$tmp/coffeepot-2x.png"
convert "$tmp/coffeepot-2x.png" -background '#3f2f21' -flatten -filter Lanczos -resize '274x198!' \
    "${res_opts[@]}" "PNG24:$res/coffeepot@2x.png"

# Program icon: each size rendered straight from the vector source.
for s in 16 22 24 32 48 64 128 256; do
    rsvg-convert -w "$s" -h "$s" "$here/brewlore-icon.svg" -o "$tmp/icon-$s.png"
    mkdir -p "$icons/${s}x${s}/apps"
    convert "$tmp/icon-$s.png" "${png_opts[@]}" "PNG32:$icons/${s}x${s}/apps/brewlore.png"
done
mkdir -p "$icons/scalable/apps"
cp "$here/brewlore-icon.svg" "$icons/scalable/apps/brewlore.svg"
convert "$tmp/icon-32.png" "${res_opts[@]}" "PNG32:$res/brewlore.png"
convert "$tmp/icon-64.png" "${res_opts[@]}" "PNG32:$res/brewlore@2x.png"
convert "$tmp/icon-16.png" "$tmp/icon-24.png" "$tmp/icon-32.png" "$tmp/icon-48.png" \
    "$tmp/icon-256.png" "$res/brewlore.ico"

# Link cursor. The two-colour one is the same grid with every skin and cuff
# shade turned white and the creases black, so both share one hot spot.
convert "$here/hand-16.xpm" "${res_opts[@]}" "PNG32:$res/hand-16.png"
sed -e 's/^"\([WSDCcb]\) c #[0-9A-Fa-f]\{6\}"/"\1 c #FFFFFF"/' \
    -e 's/^"E c #[0-9A-Fa-f]\{6\}"/"E c #000000"/' \
    "$here/hand-16.xpm" > "$tmp/hand-mono.xpm"
convert "$tmp/hand-mono.xpm" "${res_opts[@]}" "PNG32:$res/hand-mono.png"
# The hands are pixel art: their twins double every pixel, so the hot spot
# doubles too and the edges stay as sharp as drawn.
for hand in hand-16 hand-mono; do
    convert "$res/$hand.png" -filter point -resize 200% "${res_opts[@]}" "PNG32:$res/$hand@2x.png"
done

# Catch a broken toolchain early rather than shipping odd-sized files.
check() { # file expected-geometry [max-colours]
    local got; got="$(identify -format '%wx%h' "$1[0]")"
    [ "$got" = "$2" ] || { echo "render.sh: $1 is $got, expected $2" >&2; exit 1; }
    if [ $# -ge 3 ]; then
        local k; k="$(identify -format '%k' "$1")"
        [ "$k" -le "$3" ] || { echo "render.sh: $1 has $k colours, expected at most $3" >&2; exit 1; }
    fi
}
check "$res/coffeepot.png" 137x99
check "$res/brewlore.png" 32x32
check "$res/hand-mono.png" 32x32 3
check "$res/hand-16.png" 32x32 17
check "$res/coffeepot@2x.png" 274x198
check "$res/brewlore@2x.png" 64x64
check "$res/hand-mono@2x.png" 64x64 3
check "$res/hand-16@2x.png" 64x64 17
echo "render.sh: all pictures regenerated"
