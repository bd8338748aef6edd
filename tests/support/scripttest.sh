# Shared by the shell tests that run a program and check what it wrote:
# $out and $err are files for its standard output and error, in the scratch
# folder $scratch that goes at exit; fail notes a failure with the start of
# both; finish reports and gives the exit status. Sourced, after `set -u`.
failures=0
scratch=$(mktemp -d)
out=$scratch/out
err=$scratch/err
: >"$out"
: >"$err"
trap 'rm -rf "$scratch"' EXIT

fail() {
  echo "FAIL: $*"
  echo "  stdout: $(head -c 300 "$out")"
  echo "  stderr: $(head -c 300 "$err")"
  failures=$((failures + 1))
}

finish() {  # finish <what to say when everything passed>
  [ "$failures" -eq 0 ] && echo "$1"
  [ "$failures" -eq 0 ]
}
