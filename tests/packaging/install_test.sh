#!/usr/bin/env bash
# Installs a build into a scratch prefix and checks what lands there: exactly the expected files,
# icons of the right sizes, and a tree that the AppStream validator accepts as a whole.
#   install_test.sh <build folder> <app id>
set -euo pipefail

build=$1
id=$2
source "$(dirname "$0")/../e2e/lib.sh"

cmake --install "$build" --prefix "$work/usr" >"$work/install.log"

expected="usr/bin/tarnivel
usr/share/applications/$id.desktop
usr/share/doc/tarnivel/README.md
usr/share/icons/hicolor/128x128/apps/$id.png
usr/share/icons/hicolor/16x16/apps/$id.png
usr/share/icons/hicolor/32x32/apps/$id.png
usr/share/icons/hicolor/48x48/apps/$id.png
usr/share/icons/hicolor/64x64/apps/$id.png
usr/share/icons/hicolor/scalable/apps/$id.svg
usr/share/metainfo/$id.metainfo.xml"
# The guide's pictures, as many as the source tree has.
expected+=$'\n'$(cd "$(dirname "$0")/../.." &&
    find docs/screenshots -name '*.png' -printf 'usr/share/doc/tarnivel/%p\n')
installed=$(cd "$work" && find usr -type f | LC_ALL=C sort)
[ "$installed" = "$(LC_ALL=C sort <<<"$expected")" ] ||
    fail "installed files differ:$(diff <(LC_ALL=C sort <<<"$expected") <(echo "$installed"))"

for size in 16 32 48 64 128; do
    png="$work/usr/share/icons/hicolor/${size}x$size/apps/$id.png"
    [ "$(identify -format '%wx%h' "$png")" = "${size}x$size" ] || fail "$png is not $size px"
done
svg="$work/usr/share/icons/hicolor/scalable/apps/$id.svg"
grep -q '<svg [^>]*width="128" height="128"' "$svg" || fail "$svg is not a 128 px drawing"
[ -x "$work/usr/bin/tarnivel" ] || fail "the program is not executable"

# validate-tree checks the metainfo together with the desktop entry and icon it names.
appstreamcli validate-tree --no-net --explain "$work" || fail "appstreamcli rejects the tree"
echo "PASS"
