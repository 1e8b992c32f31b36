#!/usr/bin/env bash
# scripts/screenshots.sh, run as a person runs it after a visual change, makes every picture the
# README shows, each a plausible PNG; and each of them is in the repository. A short load
# (LOAD_SECONDS) keeps the test quick.
#   screenshots_e2e.sh <tarnivel> <source folder>
set -euo pipefail
source_dir=$2
source "$(dirname "$0")/lib.sh"

LOAD_SECONDS=${LOAD_SECONDS:-10} "$source_dir/scripts/screenshots.sh" "$1" "$work/out" ||
    fail "the screenshot script failed"
mapfile -t links < <(grep -o '!\[[^]]*\]([^)]*)' "$source_dir/README.md" | sed 's/.*(\(.*\))/\1/')
[ "${#links[@]}" -ge 10 ] || fail "only ${#links[@]} pictures found in the README"

# A PNG of at least 16 x 16 pixels, 100 bytes to 200 kB, in more than two colours: not an empty
# or black grab, and not a full-screen one.
plausible() {
    local format width height colours bytes
    read -r format width height colours < <(identify -format '%m %w %h %k\n' "$1" 2>/dev/null) ||
        { echo "not an image"; return 1; }
    bytes=$(stat -c %s "$1")
    [ "$format" = PNG ] && [ "$width" -ge 16 ] && [ "$height" -ge 16 ] && [ "$colours" -gt 2 ] &&
        [ "$bytes" -ge 100 ] && [ "$bytes" -le 200000 ] ||
        { echo "$format ${width}x$height, $colours colours, $bytes bytes"; return 1; }
}
for link in "${links[@]}"; do
    [[ $link == docs/screenshots/*.png ]] || fail "$link is no picture the script makes"
    problem=$(plausible "$work/out/${link#docs/screenshots/}") || fail "made ${link##*/}: $problem"
    problem=$(plausible "$source_dir/$link") || fail "$link: $problem"
    echo "ok: ${link##*/}"
done
echo "PASS: ${#links[@]} pictures"
