#!/bin/sh
# Fails, naming the lines, when a file of the core includes a Qt header
# (<Q...>, <Qt...> or a Qt module path such as <QtCore/...>).
found=$(grep -rnE '^[[:space:]]*#[[:space:]]*include[[:space:]]*[<"](Qt[A-Za-z]*/|Q[A-Z][A-Za-z]*(\.h)?[>"])' "$1" \
  --include='*.h' --include='*.hpp' --include='*.cpp' --include='*.cc')
if [ -n "$found" ]; then
  echo "The core includes Qt:"
  echo "$found"
  exit 1
fi
echo "No Qt include under $1"
