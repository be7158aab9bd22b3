#!/usr/bin/env bash
# The runner's exit statuses: 0 done, 1 failed expectation, 2 script error.
set -u
sim="$1"
status=0

check() {
  local want=$1 script=$2
  "$sim" --seed 1 - <<<"$script" >/dev/null 2>&1
  local got=$?
  if [ "$got" -ne "$want" ]; then
    echo "script '$script' exited with $got, expected $want"
    status=1
  fi
}

check 0 "expect balance == 20000.00"
check 1 "expect balance == 1"
check 2 "fly 1 2"
check 2 "tile marble 1 1"
check 2 "tile floor 1"
check 2 "hire two"
check 2 "dismiss"
check 0 "expect employees == 0"
check 2 "expect balance ~ 1"
check 2 "expect unknown_key == 0"
check 2 "expect stored.steal == 0"
check 0 "expect stored.steel == 0"
check 0 $'money 1000.5\nmoney -0.5\nexpect balance == 21000.00'
check 2 "money"
check 2 "money lots"
"$sim" --frame-minutes 0 >/dev/null 2>&1
[ $? -eq 2 ] || { echo "--frame-minutes 0 was accepted"; status=1; }
exit $status
