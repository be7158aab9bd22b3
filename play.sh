#!/usr/bin/env bash
# Sets up, builds and starts the game.
set -euo pipefail
root=$(cd "$(dirname "$0")" && pwd)
"$root/scripts/setup.sh"
cd "$root/build" && exec ./ostravel
