#!/usr/bin/env bash
# quarrix-batch condition and process on a small project made by hand: one
# trace conditioned, a new processed trace file, in-place processing, and the
# exit status of bad parameters.
set -euo pipefail
bin="$QUARRIX_BIN/quarrix-batch"
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
python3 - "$dir/survey" <<'PY'
import math, struct, sys
def num(v): return (str(v) + " " * 40)[:40]
def text(t): return (t + "\0" * 40)[:39] + " "
records = [text("Owner"), text("Line"), text("Crew"), num("25.000000"), num("30.000000"),
           num(200), num("4.000000"), num(1), num(3), num(1), num(4), num(1),
           num("1.000000"), num("1.000000"), num(0)]
open(sys.argv[1] + ".hdr", "wb").write("".join(records).encode("latin-1"))
with open(sys.argv[1] + ".amp", "wb") as amp:
    for trace in range(12):
        samples = [int(5000 * math.sin(2 * math.pi * (10 + trace) * k * 0.004)) for k in range(100)]
        amp.write(struct.pack("<100h", *samples))
PY
hdr="$dir/survey.hdr"
raw=$("$bin" condition "$hdr" --line-index 2 --trace-index 3)
[ "$(echo "$raw" | wc -l)" = 100 ]
shifted=$("$bin" condition "$hdr" --line-index 2 --trace-index 3 --shift 8)
[ "$(echo "$shifted" | head -1)" = "$(echo "$raw" | sed -n 3p)" ]
"$bin" condition "$hdr" --line-index 0 --trace-index 0 --agc 40 --json | grep -q '"result":0}'

"$bin" process "$hdr" --phase 180 --out "$dir/flipped.amp" >/dev/null
[ "$(stat -c %s "$dir/flipped.amp")" = 2400 ]
"$bin" process "$hdr" --filter 5,10,40,60 --in-place >/dev/null
if cmp -s "$dir/flipped.amp" "$dir/survey.amp"; then exit 1; fi

if "$bin" condition "$hdr" --line-index 0 --trace-index 0 --filter 10,5,20,30 >/dev/null 2>"$dir/err"; then exit 1; fi
grep -q 'Bad filter params' "$dir/err"
status=0
"$bin" process "$hdr" --shift 8 2>/dev/null || status=$?
[ "$status" = 2 ]
echo ok
