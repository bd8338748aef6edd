#!/usr/bin/env bash
# Installs the build into a fresh prefix, as a package would, and checks what
# a desktop needs from it: the game on the path, the icon at every size, and
# a desktop entry and metainfo that their own validators accept; and the
# engine program beside the game, answering the protocol.
#   installed_tree_test.sh <build dir> <scratch prefix>
set -euo pipefail
build=$1
prefix=$2
id=io.github.zelvan.Zelvan

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

rm -rf "$prefix"
cmake --install "$build" --prefix "$prefix" >/dev/null

[ -x "$prefix/bin/zelvan" ] || fail "no executable bin/zelvan"
[ -x "$prefix/bin/pbrain-zelvan" ] || fail "no executable bin/pbrain-zelvan"
about=$(printf 'ABOUT\nEND\n' | "$prefix/bin/pbrain-zelvan") || fail "pbrain-zelvan failed"
case $about in
name=\"pbrain-zelvan\"*) ;;
*) fail "pbrain-zelvan answers ABOUT with: $about" ;;
esac
for size in 48 64 128 256; do
  icon="$prefix/share/icons/hicolor/${size}x${size}/apps/$id.png"
  [ -f "$icon" ] || fail "no icon $icon"
done

entry="$prefix/share/applications/$id.desktop"
[ -f "$entry" ] || fail "no desktop entry $entry"
# Hints and warnings count too: a clean entry draws no remark at all.
remarks=$(desktop-file-validate "$entry" 2>&1) || fail "desktop-file-validate rejects $entry: $remarks"
[ -z "$remarks" ] || fail "desktop-file-validate remarks: $remarks"
grep -qx "Icon=$id" "$entry" || fail "the desktop entry does not name the installed icon"
grep -qx "Exec=zelvan" "$entry" || fail "the desktop entry does not start zelvan"

metainfo="$prefix/share/metainfo/$id.metainfo.xml"
[ -f "$metainfo" ] || fail "no metainfo $metainfo"
appstreamcli validate --no-net "$metainfo" || fail "appstreamcli rejects $metainfo"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" ||
  fail "the metainfo does not launch the installed desktop entry"

# Nothing but the game and its engine: no tools, tests or benchmarks.
extra=$(find "$prefix/bin" -type f ! -name zelvan ! -name pbrain-zelvan)
[ -z "$extra" ] || fail "installed besides the game: $extra"
echo "installed tree is complete and valid"
