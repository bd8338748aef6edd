#!/usr/bin/env bash
# Sets up, builds and runs every test headless. Widget tests use Qt's
# offscreen platform; the few that need a real X server run under Xvfb.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
"$here/scripts/setup.sh"
cd "$here/build"
exec xvfb-run -a -s "-screen 0 1024x768x24" ctest --output-on-failure --timeout 600
