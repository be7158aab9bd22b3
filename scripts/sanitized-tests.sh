#!/usr/bin/env bash
# Builds the headless tests and the runner with AddressSanitizer and
# UndefinedBehaviorSanitizer in build-asan/ and runs every test that needs no
# display: removals, reloads and the long soak must leave nothing dangling.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
flags="-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined"
cmake -S "$root" -B "$root/build-asan" -DCMAKE_BUILD_TYPE=Debug \
  -DCMAKE_CXX_FLAGS="$flags" -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined"
cmake --build "$root/build-asan" -j2 --target ostravel_tests ostravel-sim atlas
cd "$root/build-asan"
ASAN_OPTIONS=detect_leaks=1 ctest --output-on-failure -j2 -LE display
