#!/usr/bin/env bash
# The README's pictures: scripts/screenshots.sh, run as a person runs it after a visual change,
# produces every picture the README shows, each a real PNG with something on it; and every
# picture the README shows is in the repository.
#   screenshots_e2e.sh <tarnivel> <source folder>
# A short load (LOAD_SECONDS) keeps the test quick; the graph then fills only in part.
set -euo pipefail

meter_bin=$1
source_dir=$2

source "$(dirname "$0")/lib.sh"

LOAD_SECONDS=${LOAD_SECONDS:-10} "$source_dir/scripts/screenshots.sh" "$meter_bin" "$work/out" ||
    fail "the screenshot script failed"

# Image links in the README: ![text](path)
mapfile -t links < <(grep -o '!\[[^]]*\]([^)]*)' "$source_dir/README.md" | sed 's/.*(\(.*\))/\1/')
[ "${#links[@]}" -ge 10 ] || fail "only ${#links[@]} pictures found in the README"

# A PNG of at least 16 by 16 pixels, 100 bytes to 200 kB, in more than two colours: not an empty
# or black grab, and not a full-screen one.
plausible() { # plausible <file>
    local format width height colours bytes
    read -r format width height colours < <(identify -format '%m %w %h %k\n' "$1" 2>/dev/null) ||
        { echo "not an image"; return 1; }
    bytes=$(stat -c %s "$1")
    [ "$format" = PNG ] || { echo "a $format file"; return 1; }
    [ "$width" -ge 16 ] && [ "$height" -ge 16 ] || { echo "${width}x$height pixels"; return 1; }
    [ "$bytes" -ge 100 ] && [ "$bytes" -le 200000 ] || { echo "$bytes bytes"; return 1; }
    [ "$colours" -gt 2 ] || { echo "$colours colours"; return 1; }
}

for link in "${links[@]}"; do
    [[ $link == docs/screenshots/*.png ]] || fail "$link is no picture the script makes"
    name=${link#docs/screenshots/}
    [ -f "$work/out/$name" ] || fail "the script made no $name"
    problem=$(plausible "$work/out/$name") || fail "made $name: $problem"
    [ -f "$source_dir/$link" ] || fail "$link is not in the repository"
    problem=$(plausible "$source_dir/$link") || fail "$link: $problem"
    echo "ok: $name $(identify -format '%wx%h' "$work/out/$name")"
done
echo "PASS: ${#links[@]} pictures"
