#!/usr/bin/env bash
# Installs the build into a fresh prefix, as a package would, and checks what
# a desktop needs from it: the game on the path, the icon at every size, a
# desktop entry and metainfo that their own validators accept (pedantic
# too), the metainfo's newest release the game's version, the licence; and
# the engine program beside the game, answering the protocol.
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
# Errors, warnings and hints fail; the pedantic remarks are printed (the
# application id's capital letter draws one, and the id stays).
remarks=$(appstreamcli validate --pedantic --no-net "$metainfo" 2>&1) ||
  fail "appstreamcli rejects $metainfo: $remarks"
echo "$remarks" | grep -E '^[EWI]: ' && fail "appstreamcli remarks on $metainfo"
echo "$remarks"
grep -q "<project_license>" "$metainfo" || fail "the metainfo names no project licence"
version=$("$prefix/bin/zelvan" --version | sed 's/^zelvan //')
newest=$(grep -o '<release version="[^"]*"' "$metainfo" | head -1 | sed 's/.*="//; s/"$//')
[ "$version" = "$newest" ] || fail "the newest release is $newest, zelvan --version says $version"
[ -f "$prefix/share/doc/zelvan/LICENSE" ] || fail "no licence beside the documentation"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" ||
  fail "the metainfo does not launch the installed desktop entry"

# Nothing but the game and its engine: no tools, tests or benchmarks, and
# not the build folder's marker, so an installed copy keeps its files in the
# per-user data folder.
extra=$(find "$prefix/bin" ! -type d ! -name zelvan ! -name pbrain-zelvan)
[ -z "$extra" ] || fail "installed besides the game: $extra"
echo "installed tree is complete and valid"
