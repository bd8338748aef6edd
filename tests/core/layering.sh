#!/bin/sh
# The core's layers, read from its #include lines: board rules below the
# computer player, both below match control; the strong engine on nothing
# but its own headers; the brain program's protocol on the players' entry
# points, the game's record reached from one file only; the wire protocol and
# the settings codec stand apart; and no file of the core includes Qt.
# Usage: layering.sh <project root>
set -eu
cd "$1"
failed=0

# Prints the project headers a file includes, one per line.
includes() {
    sed -n 's/^#include "\([^"]*\)".*/\1/p' "$@"
}

# check WHY PATTERN FILE...: every project header the files include must
# match the extended regular expression. A file that has moved fails too, so
# the rules follow it.
check() {
    what="$1"
    pattern="$2"
    shift 2
    for f in "$@"; do
        if [ ! -f "$f" ]; then
            echo "$f: not found"
            failed=1
            continue
        fi
        for inc in $(includes "$f"); do
            if ! echo "$inc" | grep -Eq "^($pattern)$"; then
                echo "$f includes $inc: $what"
                failed=1
            fi
        done
    done
}

board_rules='core/engine/(game|board|checkfive|zone)\.h'

check "the computer player reaches the engine only for board rules" \
    "core/ai/.*|$board_rules" core/ai/*.h core/ai/*.cpp
check "the strong engine keeps its own small types and stands on its own headers" \
    "core/ai/strong/.*" core/ai/strong/*.h core/ai/strong/*.cpp
for f in core/gomocup/*.h core/gomocup/*.cpp; do
    case "$f" in
    core/gomocup/classicplayer.cpp)
        check "the classic player reaches the game's computer by its entry point" \
            "core/gomocup/.*|core/ai/(movechoice|randomsource)\.h|core/engine/(game|zone)\.h" "$f" ;;
    *) check "the brain's protocol sees the players, not the game" \
        "core/gomocup/.*|core/ai/strong/engine\.h|core/ai/randomsource\.h" "$f" ;;
    esac
done
check "a board-rule header stands on the game record alone" \
    "core/engine/game\.h" core/engine/game.h core/engine/board.h core/engine/checkfive.h \
    core/engine/zone.h
for f in core/engine/*.h core/engine/*.cpp; do
    case "$f" in
    core/engine/match.cpp | core/engine/computermove.cpp) ;;  # match control calls the computer player
    *) check "only match control calls the computer player" "core/engine/.*|core/protocol/wire\.h" "$f" ;;
    esac
done
check "the wire protocol stands apart" "core/protocol/wire\.h" core/protocol/wire.h \
    core/protocol/wire.cpp
check "the settings codec stands apart" "core/settings/settingscodec\.h|core/engine/game\.h" \
    core/settings/settingscodec.h core/settings/settingscodec.cpp

# Qt headers come as <Q...>, <Qt...> or a module path such as <QtCore/...>.
qt=$(grep -rnE '^[[:space:]]*#[[:space:]]*include[[:space:]]*[<"](Qt[A-Za-z]*/|Q[A-Z][A-Za-z]*(\.h)?[>"])' core \
    --include='*.h' --include='*.cpp' || true)
if [ -n "$qt" ]; then
    echo "the core includes Qt:"
    echo "$qt"
    failed=1
fi

[ "$failed" -eq 0 ] && echo "layering: every include where it belongs"
exit "$failed"
