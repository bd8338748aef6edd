#!/usr/bin/env bash
# The brain program as a manager runs it: its command line, and short
# sessions through its standard input and output (answers flushed at once,
# END or the end of the input ends it with 0).
# Usage: brain_test.sh <path to pbrain-zelvan>
set -u
brain=$1
. "$(dirname "$0")/../support/scripttest.sh"

# run <input> <args...>: the program with that input, at most 20 s.
run() {
  local input=$1
  shift
  printf "$input" | timeout 20 "$brain" "$@" >"$out" 2>"$err"
}

expect_output() {  # expect_output <what> <expected stdout>
  [ "$(cat "$out")" = "$2" ] || fail "$1: expected '$2'"
}

run '' --help
[ $? -eq 0 ] && grep -q -- '--level' "$out" && grep -q -- '--seed' "$out" || fail "--help"
run '' --version
[ $? -eq 0 ] || fail "--version exit code"
grep -qx 'pbrain-zelvan [0-9.]*' "$out" || fail "--version text"
for bad in "--level" "--level 0" "--level 6" "--level x" "--seed -1" "--seed" "--fast"; do
  # shellcheck disable=SC2086
  run '' $bad
  [ $? -eq 2 ] || fail "$bad: exit code"
  [ "$(wc -l <"$err")" -eq 1 ] && [ ! -s "$out" ] || fail "$bad: not one line on stderr"
done

# The game's computer opens in the centre and answers in the corner as the
# game does; END ends with 0 and nothing more.
run 'START 15\r\nBEGIN\r\nEND\r\nBEGIN\r\n' --level 1
[ $? -eq 0 ] || fail "level 1: exit code"
expect_output "level 1 opening" "$(printf 'OK\n7,7')"
run 'START 20\nTURN 0,0\n' --level 3
[ $? -eq 0 ] || fail "level 3: exit at the end of the input"
expect_output "level 3 first reply" "$(printf 'OK\n0,1')"

# The strong levels complete a five, whoever opened.
for level in 4 5; do
  run 'INFO timeout_turn 500\nSTART 15\nBOARD\n3,3,1\n4,3,1\n5,3,1\n6,3,1\n2,3,2\n9,9,2\n9,10,2\nDONE\nABOUT\n' --level $level --seed 3
  [ $? -eq 0 ] || fail "level $level: exit code"
  head -2 "$out" | tr '\n' ' ' | grep -qx 'OK 7,3 ' || fail "level $level: no five"
  tail -1 "$out" | grep -q '^name="pbrain-zelvan", version="[0-9.]*"' || fail "level $level: ABOUT"
done

finish "pbrain-zelvan: command line and sessions as expected"
