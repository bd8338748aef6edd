#!/bin/sh
# Every C++ file of the project is in the one style of .clang-format
# (Debian's clang-format 14); prints the files that differ and fails.
set -eu
cd "$1"
if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    files=$(git ls-files '*.cpp' '*.h')
else
    files=$(find . -path ./build -prune -o \( -name '*.cpp' -o -name '*.h' \) -print)
fi
bad=""
for f in $files; do
    if ! clang-format --dry-run --Werror "$f" >/dev/null 2>&1; then bad="$bad $f"; fi
done
if [ -n "$bad" ]; then
    echo "Not formatted (run clang-format -i on them):"
    for f in $bad; do echo "  $f"; done
    exit 1
fi
echo "All C++ files formatted"
