#!/usr/bin/env bash
# Sets up, builds and runs every test, the display tests under Xvfb included.
set -euo pipefail
root=$(cd "$(dirname "$0")" && pwd)
"$root/scripts/setup.sh"
cd "$root/build" && ctest --output-on-failure -j2
