#!/usr/bin/env bash
# The simulator's record of a run in which the interior shrinks and grows
# again must not change: any change in start-up, motion or counting shows
# here. After an intended change of behaviour, and only then, write the
# record anew and review its diff:
#   tests/golden/sim_golden.sh build/bumblorbs-sim --update
set -euo pipefail
sim="$1"
golden="$(dirname "$0")/sim_shrink_and_grow.csv"
run() { "$sim" --clock 43200 --ticks 300 --resize 100:3000x2500.5 --resize 200:9780x10650; }

if [ "${2:-}" = "--update" ]; then
  run >"$golden"
  echo "wrote $golden"
  exit 0
fi
diff -u "$golden" <(run)

status=0
"$sim" --ticks -3 >/dev/null 2>&1 || status=$?
[ "$status" -eq 2 ] || { echo "bad arguments gave status $status, expected 2" >&2; exit 1; }
