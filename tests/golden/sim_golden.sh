#!/usr/bin/env bash
# The simulator's record of a run in which the interior shrinks and grows
# again must not change: any change in start-up, motion or counting shows
# here. After an intended change of behaviour, and only then, write the
# record anew and review its diff:
#   tests/golden/sim_golden.sh build/bumblorbs-sim --update
set -euo pipefail
sim="$1"
errors="$(mktemp)"
trap 'rm -f "$errors"' EXIT
golden="$(dirname "$0")/sim_shrink_and_grow.csv"
run() { "$sim" --clock 43200 --ticks 300 --resize 100:3000x2500.5 --resize 200:9780x10650; }

if [ "${2:-}" = "--update" ]; then
  run >"$golden"
  echo "wrote $golden"
  exit 0
fi
diff -u "$golden" <(run)

# Bad arguments: the fault and a pointer to --help, not the whole usage.
status=0
said="$("$sim" --ticks -3 2>&1 >/dev/null)" || status=$?
[ "$status" -eq 2 ] || { echo "bad arguments gave status $status, expected 2" >&2; exit 1; }
[ "$said" = "bumblorbs-sim: bad value for --ticks: -3
Try 'bumblorbs-sim --help' for more information." ] || {
  echo "bad arguments said: $said" >&2
  exit 1
}

# A big screen left for a small one: no ball may stay caught outside the
# smaller interior, turned on every tick, counting and beeping without end.
"$sim" --ticks 3000 --interior 28800x16200 --resize 100:9600x7200 | awk -F, '
  /^tick/ && $2 == 100 { from = $3 }
  /^tick/ { last = $3; if ($2 > 100) beeps += $4 }
  END {
    if (last - from > 20000 || beeps > 300) {
      printf "after the shrink: %d bounces and %d beeps in 2900 ticks\n", last - from, beeps > "/dev/stderr"
      exit 1
    }
  }'

# A record that could not be written is a failure, said in one line.
for output in /dev/full closed; do
  status=0
  if [ "$output" = closed ]; then
    "$sim" --ticks 10 >&- 2>"$errors" || status=$?
  else
    "$sim" --ticks 10 >"$output" 2>"$errors" || status=$?
  fi
  [ "$status" -eq 1 ] && [ "$(wc -l <"$errors")" -eq 1 ] && grep -q '^bumblorbs-sim: write error: ' "$errors" ||
    { echo "the record to $output gave status $status" >&2; cat "$errors" >&2; exit 1; }
done
