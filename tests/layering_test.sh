#!/bin/sh
# The core's layers, read from its #include lines: board rules below the
# computer player, both below match control; the wire protocol and the
# settings codec stand apart. Usage: layering_test.sh <source root>
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

board_rules='engine/(game|board|checkfive|zone)\.h'

check "the computer player reaches the engine only for board rules" \
    "ai/.*|$board_rules" ai/*.h ai/*.cpp
check "a board-rule header stands on the game record alone" \
    "engine/game\.h" engine/game.h engine/board.h engine/checkfive.h engine/zone.h
for f in engine/*.h engine/*.cpp; do
    case "$f" in
    engine/match.cpp | engine/computermove.cpp) ;;  # match control calls the computer player
    *) check "only match control calls the computer player" "engine/.*|net/wire\.h" "$f" ;;
    esac
done
check "the wire protocol stands apart" "net/wire\.h" net/wire.h net/wire.cpp
check "the settings codec stands apart" "settings/settingscodec\.h|engine/game\.h" \
    settings/settingscodec.h settings/settingscodec.cpp

[ "$failed" -eq 0 ] && echo "layering: every include where it belongs"
exit "$failed"
