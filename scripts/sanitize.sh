#!/usr/bin/env bash
# Builds everything with clang, AddressSanitizer and UndefinedBehaviorSanitizer
# into build-asan/ and runs the whole test suite there, headless like
# scripts/test.sh. Any finding fails the test that made it. Needs clang and
# its runtime libraries (libclang-rt-14-dev) besides what setup.sh installs.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$here"

sanitize="-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer"
if [ ! -f build-asan/build.ninja ]; then
  cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_COMPILER=clang++-14 "-DCMAKE_CXX_FLAGS=$sanitize"
fi
cmake --build build-asan --parallel "$(nproc)"

# Readable stacks in the sanitizers' reports, where the symbolizer is installed.
if [ -x /usr/lib/llvm-14/bin/llvm-symbolizer ]; then
  export ASAN_SYMBOLIZER_PATH=/usr/lib/llvm-14/bin/llvm-symbolizer
fi
export ASAN_OPTIONS=detect_leaks=1:detect_stack_use_after_return=1
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
export LSAN_OPTIONS=suppressions=$here/scripts/lsan-suppressions.txt:print_suppressions=0
cd build-asan
# The sanitizers slow everything down several times, and the tests that read
# the real screen back under Xvfb race the X server more often: a test that
# fails runs once more. A sanitizer's report shows in the log either way.
exec xvfb-run -a -s "-screen 0 1024x768x24" ctest --output-on-failure --timeout 600 \
  --repeat until-pass:2
