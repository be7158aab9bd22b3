#!/usr/bin/env bash
# A factory makes about as much per game day at top speed as at normal speed:
# its staff wait no longer, in game time, for their routes. A hundred employees,
# 44 steel benches, two storage rooms, a kitchen and a bathroom off one
# corridor; the staffed factory is saved once, then run for half a day from
# that file in frames of 0.3 game minutes and in frames of 1/30. Were path
# finding to spend the same per frame at both speeds, top speed would make a
# tenth as much, its staff queueing for routes.
set -u
sim="$1"
script=$(mktemp)
status=0
{
    echo "money 1000000"
    echo "tile floor 6 21 59 49"
    echo "tile wall 5 20 60 20"
    echo "tile wall 5 50 60 50"
    echo "tile wall 5 21 5 49"
    echo "tile wall 60 21 60 49"
    echo "tile wall 6 34 59 34"
    echo "tile wall 6 37 59 37"
    echo "tile wall 30 21 30 33"
    echo "tile wall 21 38 21 49"
    echo "tile wall 36 38 36 49"
    for door in "5 35" "60 35" "18 34" "45 34" "13 37" "28 37" "48 37"; do
        echo "tile floor $door"
        echo "object door $door"
    done
    echo "zone workshop 6 21 29 33"
    echo "zone storage 31 21 59 33"
    echo "zone kitchen 6 38 20 49"
    echo "zone bathroom 22 38 35 49"
    echo "zone storage 37 38 59 49"
    for row in 22 25 28 31; do
        for column in 7 9 11 13 15 17 19 21 23 25 27; do
            echo "object workbench $column $row"
            echo "recipe $column $row steel"
        done
    done
    # Fridges and counters are used from their left.
    for row in 39 40 41 42 43 44; do
        echo "object fridge 8 $row"
        echo "object fridge 14 $row"
        echo "object kitchencounter 11 $row"
        echo "object coffeemachine 11 $row"
        echo "object kitchencounter 17 $row"
        echo "object coffeemachine 17 $row"
    done
    for row in 39 41 43 45; do
        for column in 23 25 27 29 31 33; do
            echo "object toilet $column $row"
        done
    done
    echo "run 1"
    echo "expect refused == 0"
    echo "expect rooms_enclosed == 5"
    # The pool holds five; one more comes every fifty game minutes.
    echo "hire 5"
    for i in $(seq 95); do
        echo "run 51"
        echo "hire 1"
    done
    echo "expect employees == 100"
    echo "save speed_output_start"
} >"$script"
"$sim" --seed 1 "$script" >/dev/null 2>&1 || { echo "building the factory failed"; status=1; }

# Steel made in half a day: what storage gained, the benches make it from nothing.
made() {
    "$sim" --seed 1 --load speed_output_start --frame-minutes "$1" - <<<"report
run 720" 2>/dev/null | awk -F= '$1 == "stored.steel" { v[n++] = $2 } END { print v[1] - v[0] }'
}
top=$(made 0.3)
normal=$(made 0.0333333333)
echo "steel in half a day: $top at top speed, $normal at normal speed"
# Within 30 per cent: a frame of 0.3 minutes still starts each new task, and
# lets a door open, a little later in game time than a frame of 1/30.
awk -v top="$top" -v normal="$normal" \
    'BEGIN { exit !(normal >= 100 && top >= 0.7 * normal && top <= 1.3 * normal) }' ||
    { echo "output depends on the speed"; status=1; }
rm -f "$script" speed_output_start
exit $status
