#!/usr/bin/env bash
# One build with AddressSanitizer and UndefinedBehaviorSanitizer, in
# build-sanitize/: it runs every test that needs no display (the unit tests
# and the scenario scripts) with leak detection, then the save-file fuzzer for
# a bounded time. Removals, reloads, the soak and hostile save files must leave
# nothing dangling, leaking or undefined.
#
# With clang the same library also serves the fuzzer; without clang the tests
# still run under g++'s sanitizers and the fuzzer is skipped.
#
# Environment: FUZZ_SECONDS (default 60) bounds the fuzzer's run;
# OSTRAVEL_SOAK_DAYS (default 3 here) shortens the soak, whose every frame
# costs several times as much under the sanitizers.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build="$root/build-sanitize"

if command -v clang++ >/dev/null 2>&1; then
  cmake -S "$root" -B "$build" -DCMAKE_CXX_COMPILER=clang++ -DOSTRAVEL_FUZZ=ON
  targets=(ostravel_tests ostravel-sim atlas level_load_fuzzer)
else
  echo "sanitized-tests: clang++ is missing, so the fuzzer is skipped (setup.sh installs clang)"
  cmake -S "$root" -B "$build" -DOSTRAVEL_SANITIZE=ON
  targets=(ostravel_tests ostravel-sim atlas)
fi
cmake --build "$build" -j2 --target "${targets[@]}"

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=0:strict_string_checks=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export OSTRAVEL_SOAK_DAYS=${OSTRAVEL_SOAK_DAYS:-3}
cd "$build" && ctest --output-on-failure -j2 -LE display

# New inputs the fuzzer finds stay in build-sanitize/corpus; the seeds in the
# source tree are only read.
if [ -x "$build/tests/fuzz/level_load_fuzzer" ]; then
  mkdir -p "$build/corpus"
  "$build/tests/fuzz/level_load_fuzzer" -max_total_time="${FUZZ_SECONDS:-60}" -timeout=10 \
    -rss_limit_mb=4096 "$build/corpus" "$root/tests/fuzz/corpus"
fi
