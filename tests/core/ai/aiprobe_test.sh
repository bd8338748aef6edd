#!/bin/sh
# Feeds the AI probe a script of positions and queries and compares its
# answers line by line. Usage: aiprobe_test.sh <path to zelvan-aiprobe>
set -eu
probe="$1"
out=$(mktemp)
trap 'rm -f "$out"' EXIT

"$probe" > "$out" <<'IN'
new 15
put blue 8 8
search simRedMove
search simBlueAttack
search simBlueBlock
firstreply
put red 9 9
search simRedMove
search simBlueAttack
search simBlueBlock
eval blue 7 7
eval red 8 9

new 15
put blue 5 8
put blue 6 8
put blue 7 8
put blue 8 8
put red 5 9
put red 6 10
put red 7 11
lookahead 1
choose 1 0 1 1 1 1
search redDefend 1 1
lookahead 0
choose 0 0 1 1 1 1
search redAttack 1 1
search redAttack 1 1 0 0
search redAttack 0 1 1 1
search redPlainAttack 1 1
search redDefend 1 1

new 15
put blue 6 8
put blue 7 8
put blue 8 8
put red 5 10
put red 9 11
lookahead 1

new 15
put red 5 8
put red 6 8
put red 7 8
put red 8 8
put blue 4 8
put blue 6 9
put blue 7 10
put blue 8 11
lookahead 1
choose 1 1 0 0 0 0

new 20
choose 3 0 1 1 1 1
put blue 1 5
choose 3 0 1 1 1 1
firstreply

new 15
put blue 11 15
put blue 12 15
stone blue 13 15
stone blue 14 15
stone blue 15 15
five
new 15
stone red 5 1
stone red 4 2
stone red 3 3
stone red 2 4
stone red 1 5
five
search simRedMove
zone 3 3
search simRedMove
eval red 3 3
eval blue 1 1
eval blue 2 2

bogus 1
new 16
new
put green 1 1
put blue 16 1
put blue 1 x
stone red 0 5
eval blue 5 1
search
search simFoo
search simRedMove 1 1
search redAttack 1
search redAttack 1 2
firstreply now
lookahead
lookahead 300
choose 1 0 1 1 1
five
IN

diff -u - "$out" <<'EXPECTED'
9 9
7 7
12 12
7 7
8 9
7 8
10 9
16 1 0 0 0
12 4 0 0 0
block 0 attack -
4 8
4 8
block 1 attack 1
8 12
8 12
8 12
4 8
8 12
4 8
block 1 attack 0
block 1 attack 1
9 8
11 11
1 4
1 4
85 11 15 15 15 0 0 0 0
170 0 0 0 0 5 1 1 5
0 0
4 4
error: cell not empty
0 0 0 0 0
0 0 0 0 0
error: unknown command: bogus
error: board size must be 15, 20 or 30
error: new takes 1 argument
error: not a colour (blue or red): green
error: cell off the board: 16 1
error: not a number: x
error: cell off the board: 0 5
error: cell not empty
error: search needs a search name
error: unknown search: simFoo
error: search takes 1 argument
error: redAttack takes CU RU and optionally FCU FRU
error: not a direction bit (0 or 1): 2
error: firstreply takes 0 arguments
error: lookahead takes 1 argument
error: level out of range 0..255: 300
error: choose takes 6 arguments
170 0 0 0 0 5 1 1 5
EXPECTED
echo "aiprobe: all answers as expected"
