#!/usr/bin/env bash
# Installs a build into a scratch prefix: exactly the expected files (every picture the guide shows
# among them; lintian checks the icons' sizes in the package test), a valid desktop entry, and a
# tree the AppStream validator accepts (metainfo with the desktop entry and icon it names).
#   install_test.sh <build folder> <app id>
set -euo pipefail
build=$1
id=$2
source "$(dirname "$0")/../e2e/lib.sh"

cmake --install "$build" --prefix "$work/usr" >"$work/install.log"
icons=usr/share/icons/hicolor
expected=$(
    printf '%s\n' usr/bin/tarnivel "usr/share/applications/$id.desktop" \
        usr/share/doc/tarnivel/{README.md,README.html,changelog.gz} usr/share/man/man1/tarnivel.1.gz \
        "$icons/scalable/apps/$id.svg" "usr/share/metainfo/$id.metainfo.xml"
    for size in 16 32 48 64 128; do echo "$icons/${size}x$size/apps/$id.png"; done
    # the pictures the guide shows, which must be in the repository
    cd "$(dirname "$0")/../.." && grep -o 'docs/screenshots/[^)]*' README.md | sed 's|^|usr/share/doc/tarnivel/|'
)
installed=$(cd "$work" && find usr -type f | LC_ALL=C sort)
[ "$installed" = "$(LC_ALL=C sort -u <<<"$expected")" ] ||
    fail "installed files differ:$(diff <(LC_ALL=C sort -u <<<"$expected") <(echo "$installed"))"

grep -q '<svg [^>]*width="128" height="128"' "$work/$icons/scalable/apps/$id.svg" || fail "svg not 128 px"
[ -x "$work/usr/bin/tarnivel" ] || fail "the program is not executable"
desktop-file-validate "$work/usr/share/applications/$id.desktop" || fail "invalid desktop entry"
appstreamcli validate-tree --no-net --explain "$work" || fail "appstreamcli rejects the tree"
echo "PASS"
