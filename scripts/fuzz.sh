#!/usr/bin/env bash
# Builds the fuzz harnesses in fuzz/ with clang into build-fuzz/ and runs
# each for the given number of seconds (default 30), starting from its
# committed seeds. Inputs found on the way are kept in build-fuzz/corpus/,
# an input that fails in build-fuzz/artifacts/. Exits non-zero when any
# harness fails. Needs clang and its runtime libraries (libclang-rt-14-dev).
set -euo pipefail
seconds=${1:-30}
here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$here"

if [ ! -f build-fuzz/build.ninja ]; then
  cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_COMPILER=clang++-14 -DZELVAN_FUZZ=ON
fi
cmake --build build-fuzz --target fuzzers --parallel "$(nproc)"

# Readable stacks in the sanitizers' reports, where the symbolizer is installed.
if [ -x /usr/lib/llvm-14/bin/llvm-symbolizer ]; then
  export ASAN_SYMBOLIZER_PATH=/usr/lib/llvm-14/bin/llvm-symbolizer
fi
mkdir -p build-fuzz/artifacts build-fuzz/logs
failed=()
for name in settings textint wire dispatch brain; do
  args=(-max_total_time="$seconds" -timeout=25 -print_final_stats=1
        -artifact_prefix="build-fuzz/artifacts/$name-")
  # The message tokens help the harnesses that read messages find them.
  case $name in
  wire | dispatch) args+=(-dict=fuzz/messages.dict) ;;
  brain) args+=(-dict=fuzz/brain.dict) ;;
  esac
  mkdir -p "build-fuzz/corpus/$name"
  log=build-fuzz/logs/$name.log
  if "build-fuzz/fuzz/zelvan-fuzz-$name" "${args[@]}" \
      "build-fuzz/corpus/$name" "fuzz/corpus/$name" >"$log" 2>&1; then
    echo "fuzz $name: $(grep -E '^#[0-9]+[[:space:]]+DONE' "$log" | tail -1)"
  else
    echo "fuzz $name: FAILED, the end of $log:"
    tail -n 60 "$log"
    failed+=("$name")
  fi
done

if [ ${#failed[@]} -gt 0 ]; then
  echo "Fuzzers that failed: ${failed[*]}"
  exit 1
fi
