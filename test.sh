#!/usr/bin/env bash
# Sets up, builds and runs every test, the display tests under Xvfb included.
set -euo pipefail
root=$(cd "$(dirname "$0")" && pwd)
"$root/scripts/setup.sh"
cd "$root/build" && ctest --output-on-failure -j2

# A bounded run of the save-file fuzzer, in its own clang build with the
# sanitizers; new inputs it finds stay in build-fuzz/corpus.
if command -v clang++ >/dev/null 2>&1; then
  cmake -S "$root" -B "$root/build-fuzz" -DOSTRAVEL_FUZZ=ON -DCMAKE_CXX_COMPILER=clang++ \
        -DBUILD_TESTING=OFF
  cmake --build "$root/build-fuzz" -j2 --target level_load_fuzzer
  mkdir -p "$root/build-fuzz/corpus"
  cd "$root/build-fuzz" && ./tests/fuzz/level_load_fuzzer -max_total_time=60 -timeout=10 \
        -rss_limit_mb=4096 corpus "$root/tests/fuzz/corpus"
fi
