#!/usr/bin/env bash
# A long run in a small interior, whose count passes a million, read back
# with Python's CSV reader: every record has its fixed number of fields, and
# the caption is the count with its digits grouped.
set -euo pipefail
sim="$1"
"$sim" --clock 1234.5 --ticks 20000 --interior 3000x2000 | python3 -c '
import csv, sys
fields = {"ball": 10, "tick": 5, "end": 6}
last = None
for number, record in enumerate(csv.reader(sys.stdin), 1):
    kind = record[0]
    if len(record) != fields.get(kind, -1):
        sys.exit(f"record {number} has {len(record)} fields: {record}")
    if kind == "tick":
        count = int(record[2])
        if record[4] != ("{:,}".format(count) if count else ""):
            sys.exit(f"record {number}: caption {record[4]!r} for count {count}")
        last = count
if last is None or last < 1_000_000:
    sys.exit(f"the run ended at count {last}: too few to need two separators")
print(f"ok: every record parses; the count reached {last:,}")
'
