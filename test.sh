#!/usr/bin/env bash
# Sets up, builds and runs every test, the display tests under Xvfb included,
# then the headless tests again under the sanitizers and a bounded fuzzer run.
set -euo pipefail
root=$(cd "$(dirname "$0")" && pwd)
"$root/scripts/setup.sh"
(cd "$root/build" && ctest --output-on-failure -j2)
"$root/scripts/sanitized-tests.sh"
