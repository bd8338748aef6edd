#!/usr/bin/env bash
# The match runner against programs that misbehave each in one way: the
# faulty one loses both games of the pair, by the right reason, and the
# runner neither hangs nor leaves a process behind. And a real pair of
# games between the greedy bot and the game's easy computer.
# Usage: runner_test.sh <zelvan-match> <zelvan-greedy> <pbrain-zelvan>
set -u
match=$1
greedy=$2
brain=$3
. "$(dirname "$0")/../../support/scripttest.sh"
pids=$scratch/pids
: >"$pids"

# A brain that notes its process id, says OK to START and then does $1 when
# asked for a move.
faulty() {
  echo "sh -c 'echo \$\$ >>$pids; while read l; do case \$l in START*) echo OK;; BEGIN*|BOARD*|TURN*) $1;; esac; done'"
}

# versus <reason> <faulty behaviour>: the faulty program is B and loses both games.
versus() {
  timeout 30 "$match" --pairs 1 --seed 5 --timeout-turn 300 --tolerance 50 \
    "$greedy --seed 1" "$(faulty "$2")" >"$out" 2>"$err"
  [ $? -eq 0 ] || fail "$1: exit code"
  grep -q "^B: 0 wins, 2 losses ($1 2)" "$out" || fail "$1: B does not lose both by $1"
}

versus "timeout" "sleep 5"
versus "crash" "exit 3"
versus "garbled answer" "echo hello"
versus "illegal move" "echo 99,99"
# One that turns START down.
timeout 30 "$match" --pairs 1 --seed 5 "$greedy" "sh -c 'while read l; do case \$l in START*) echo ERROR no;; esac; done'" >"$out" 2>"$err"
grep -q "^B: 0 wins, 2 losses (refused start 2)" "$out" || fail "refused start"
[ "$(wc -l <"$pids")" -eq 8 ] || fail "not every faulty brain started"
while read -r pid; do
  if kill -0 "$pid" 2>/dev/null; then fail "faulty brain $pid outlived its game"; fi
done <"$pids"

timeout 60 "$match" --pairs 1 --seed 2 --size 20 "$brain --level 1 --seed 4" "$greedy --seed 4" >"$out" 2>"$err"
[ $? -eq 0 ] || fail "real pair: exit code"
grep -q "^totals over 2 games" "$out" || fail "real pair: no totals"
[ "$(grep -c '^game [12]: ' "$out")" -eq 2 ] || fail "real pair: not two games"

finish "match runner: every fault judged, no process left"
