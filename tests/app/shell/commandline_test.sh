#!/usr/bin/env bash
# The program's command line, run as a player would: help and version print
# and exit 0 with no display at all, a mistake is one line on standard error
# and exit 2, and a missing display is one line and exit 1 instead of an
# abort. Usage: commandline_test.sh <zelvan binary>
set -u
zelvan=$1
. "$(dirname "$0")/../../support/scripttest.sh"

# Runs the program with no display within reach: nothing may open a window.
run() {
  env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb "$zelvan" "$@" >"$out" 2>"$err"
}

expect() {  # expect <code> <args...>
  local want=$1
  shift
  run "$@"
  local got=$?
  [ "$got" -eq "$want" ] || fail "zelvan $* exited $got, expected $want"
}

one_line_on_stderr() {  # one_line_on_stderr <what>
  [ "$(wc -l <"$err")" -eq 1 ] || fail "$1: stderr is not one line"
  [ ! -s "$out" ] || fail "$1: something on stdout"
}

for help in --help -h; do
  expect 0 $help
  grep -q -- '--windowed' "$out" && grep -q -- '--port' "$out" && grep -q -- '--scale' "$out" ||
    fail "$help does not list the options"
  [ ! -s "$err" ] || fail "$help wrote to stderr"
done

expect 0 --version
grep -qx 'zelvan [0-9][0-9.]*' "$out" || fail "--version does not print 'zelvan <version>'"

for bad in "--bogus" "--port 0" "--port 65536" "--port 12ab" "--port" "--scale 4" "stray"; do
  # shellcheck disable=SC2086
  expect 2 $bad
  one_line_on_stderr "$bad"
done
grep -q "bogus" <(run --bogus; cat "$err") || fail "--bogus: the message does not name the option"

# Good options get past the command line; with no display the program then
# says so in one line and exits 1.
for good in "" "--windowed --port 65535 --scale 2 -platform xcb"; do
  # shellcheck disable=SC2086
  expect 1 $good
  one_line_on_stderr "no display ($good)"
  grep -q "display" "$err" || fail "no display ($good): the line does not say so"
done

finish "command line: all checks passed"
