#!/usr/bin/env bash
# Prints how the units of src/ include each other, one "from -> to" line each
# (a header and its source are one unit), and fails when an include runs up a
# floor or the units include each other in a circle. Floors, bottom up:
# platform; reading and web; referral; forms; app.
set -euo pipefail
cd "$(dirname "$0")/../src"

floor() {
    case ${1%%/*} in
    platform) echo 0 ;;
    reading | web) echo 1 ;;
    referral) echo 2 ;;
    forms) echo 3 ;;
    app) echo 4 ;;
    *) echo 9 ;;
    esac
}

edges=$(
    for file in $(find . -name '*.h' -o -name '*.cpp' | sed 's|^\./||' | sort); do
        from=${file%.*}
        sed -n 's/^#include "\([^"]*\)".*/\1/p' "$file" | while read -r target; do
            # An include names a path below src/ or beside the file.
            [ -f "$target" ] || target=$(dirname "$file")/$target
            [ -f "$target" ] || continue
            to=${target%.*}
            [ "$to" = "$from" ] || echo "$from $to"
        done
    done | sort -u
)

status=0
while read -r from to; do
    echo "$from -> $to"
    if (($(floor "$to") > $(floor "$from"))); then
        echo "include-graph: $from includes $to, a floor up" >&2
        status=1
    fi
done <<<"$edges"
# tsort names every unit it finds in a circle.
if ! loops=$(tsort <<<"$edges" 2>&1 >/dev/null); then
    echo "include-graph: units include each other in a circle:" >&2
    echo "$loops" >&2
    status=1
fi
exit $status
