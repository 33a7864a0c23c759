#!/usr/bin/env bash
# quarrix-batch on a project header made by hand: show, set, xy create and
# convert, and the exit status of a failure.
set -euo pipefail
bin="$QUARRIX_BIN/quarrix-batch"
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
python3 - "$dir/e2e.hdr" <<'PY'
import sys
def num(v): return (str(v) + " " * 40)[:40]
def text(t): return (t + "\0" * 40)[:39] + " "
records = [text("Owner"), text("Line"), text("Crew"), num("25.000000"), num("30.000000"),
           num(2000), num("4.000000"), num(1), num(50), num(1), num(100), num(4),
           num("1.000000"), num("1.000000"), num(0)]
data = "".join(records).encode("latin-1")
assert len(data) == 600
open(sys.argv[1], "wb").write(data)
PY
"$bin" header show "$dir/e2e.hdr" | grep -qx 'end_time (derived): 4000'
"$bin" header set "$dir/e2e.hdr" trace_length=2000 owner=Someone
"$bin" header show "$dir/e2e.hdr" --json | grep -q '"owner":"Someone"'
"$bin" header show "$dir/e2e.hdr" --json | grep -q '"num_samples":500'
"$bin" xy create "$dir/e2e.hdr" --a 1000,2000 --b 3475,2000 --c 1000,3470 >/dev/null
[ "$("$bin" xy convert "$dir/e2e.hdr" --line 50 --trace 100)" = "3475 3470" ]
[ "$("$bin" xy convert "$dir/e2e.hdr" --x 3475 --y 3470)" = "50 100 49.000000 99.000000" ]
if "$bin" header show "$dir/missing.hdr" 2>"$dir/err"; then exit 1; fi
grep -q 'Header File Not Found' "$dir/err"
echo ok
