#!/usr/bin/env bash
# A factory without an office plays exactly as it did before research
# existed: its report is the one recorded then (no_desks_factory.expected),
# and stays so when a project is chosen and everyone puts research first.
set -u
sim="$1"
dir=$(cd "$(dirname "$0")" && pwd)
status=0
# Only the simulation's own keys: the research, statistics and alert keys
# came later than the recorded report.
report() { "$sim" --seed 1 - | grep -v -E '^(research\.|stats\.|alerts?[.=])'; }
report <"$dir/no_desks_factory.sim" | diff -q - "$dir/no_desks_factory.expected" >/dev/null ||
  { echo "the factory without desks plays differently than before research"; status=1; }
sed '/^hire 4$/a research production1\npriorities 0 13 3 4\npriorities 1 13 3 4\npriorities 2 13 3 4\npriorities 3 13 3 4' \
  "$dir/no_desks_factory.sim" | report | diff -q - "$dir/no_desks_factory.expected" >/dev/null ||
  { echo "choosing research changes the factory without desks"; status=1; }
exit $status
