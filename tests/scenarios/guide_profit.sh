#!/usr/bin/env bash
# The player's guide builds a factory and trades it for five days as it
# describes; the factory must end with more money than building it left.
set -u
sim="$1"
docs="$(dirname "$0")/../../docs"
cat "$docs/guide-factory.sim" "$docs/guide-days.sim" | "$sim" --seed 1 - >/dev/null
