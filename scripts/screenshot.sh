#!/usr/bin/env bash
# Makes docs/screenshot.png, the picture in the README: builds the game, runs
# a fresh copy (default settings) under Xvfb at 1024x768, presses Play,
# places a few blue pieces while the computer answers, and crops the 800x600
# scene out of the screen.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

# Only this script needs these; the set-up script installs the rest.
missing=()
for p in xdotool imagemagick xvfb xauth; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done
if [ ${#missing[@]} -gt 0 ]; then
  if [ "$(id -u)" -eq 0 ]; then sudo=(); else sudo=(sudo); fi
  export DEBIAN_FRONTEND=noninteractive
  "${sudo[@]}" apt-get update -q
  "${sudo[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

"$here/scripts/setup.sh"

# A copy in a scratch folder keeps its settings there: the picture never
# shows this machine's scores or options.
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
cp "$here/build/zelvan" "$scratch/"
mkdir -p "$here/docs"

xvfb-run -a -s "-screen 0 1024x768x24" bash -s "$scratch" "$here/docs/screenshot.png" <<'SHOT'
set -euo pipefail
scratch=$1
out=$2
"$scratch/zelvan" &
game=$!
trap 'kill $game 2>/dev/null || true' EXIT

# The window covers the screen and centres its 800x600 scene.
x0=$(( (1024 - 800) / 2 ))
y0=$(( (768 - 600) / 2 ))
click() {
  xdotool mousemove $((x0 + $1)) $((y0 + $2)) click 1
  sleep "${3:-1}"
}
# A cell of the 15-cell board: 36-pixel cells on a 37-pixel step, the grid's
# top-left corner at (222, 21) of the scene.
cell() {
  click $((222 + ($1 - 1) * 37 + 19)) $((21 + ($2 - 1) * 37 + 19)) 1.5
}

sleep 5            # the splash and its progress bar
click 104 322 2    # Play: the computer opens in the middle
# Three blue moves: Red then holds at most four pieces, so the game is still
# on whatever the computer answers. A cell Red already holds takes no move.
for move in "9 9" "7 7" "9 7"; do
  cell $move
done
xdotool mousemove $((x0 + 600)) $((y0 + 595))  # the pointer off the board
sleep 1
import -window root -crop "800x600+${x0}+${y0}" +repage "$out"
SHOT
echo "wrote $here/docs/screenshot.png"
