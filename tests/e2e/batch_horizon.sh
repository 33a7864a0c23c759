#!/usr/bin/env bash
# The horizon batch commands on a small demo survey: create, pick, info,
# autopick in each mode, snap, clear-auto, erase, slices, flatten and an
# arbitrary line, checking the files they leave.
set -euo pipefail
bin="$QUARRIX_BIN/quarrix-batch"
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
made=$("$bin" demo "$dir" --lines 12 --traces 16 --samples 300 2>/dev/null)
hdr=${made%%$'\n'*}
project=$(dirname "$hdr")
n=$((12 * 16))

# The demo's own horizon and slice.
[ "$(stat -c %s "$project/demo_top.hor")" = $((4 + 4 * n)) ]
[ "$(stat -c %s "$project/1000.slc")" = $((4 + 2 * n)) ]

"$bin" horizon create "$hdr" top.hor >/dev/null
[ "$(stat -c %s "$project/top.hop")" = "$n" ]
[ "$(stat -c %s "$project/top.col")" = 648 ]
"$bin" horizon info "$hdr" top.hor --json | grep -q '"picked_cells":0,"min_time":null'

# A click tracks a whole in-line; --type and --window go to the style and pickedit.ini.
"$bin" pick "$hdr" top.hor --line 1006 --from 2004:1000 --type trough --window 16 | grep -q '^16 of 16'
grep -q '^pickwin=16' "$project/pickedit.ini"
"$bin" horizon info "$hdr" top.hor --json | grep -q '"pick_type":2,.*"picked_cells":16,.*"registration":{"0":176,"1":16}'
# A rubber-band drag on a cross-line.
"$bin" pick "$hdr" top.hor --xline 2003 --from 1001:1000 --to 1003:1000 --style rubber >/dev/null

"$bin" autopick "$hdr" top.hor --mode inline --no-snap >/dev/null
"$bin" horizon info "$hdr" top.hor --json | grep -q "\"picked_cells\":$n"
"$bin" clear-auto "$hdr" top.hor
"$bin" horizon info "$hdr" top.hor --json | grep -q '"picked_cells":19,'
"$bin" autopick "$hdr" top.hor --mode grid --zoom 1001:1012,2001:2016 >/dev/null
"$bin" autopick "$hdr" top.hor --mode xline >/dev/null
"$bin" snap "$hdr" top.hor
"$bin" flatten "$hdr" top.hor --out top.flt >/dev/null
"$bin" slice "$hdr" --start 900 --end 1000 --inc 50 --flatten top.flt 2>/dev/null | wc -l | grep -qx 3
[ -f "$project/0950flt.slc" ]
"$bin" erase "$hdr" top.hor --zoom 1001:1012,2001:2016 2>/dev/null
"$bin" horizon info "$hdr" top.hor --json | grep -q '"picked_cells":0,.*"registration":{"0":192}'

"$bin" arb create "$hdr" a.arb --vertex 0,0 --vertex 4,2 >/dev/null
[ "$(stat -c %s "$project/a.arb")" = $((2 + 4 * 5)) ]

# Failures: usage is status 2, a missing horizon status 1.
set +e
"$bin" pick "$hdr" top.hor --from 1:1 2>/dev/null; [ $? = 2 ] || exit 1
"$bin" snap "$hdr" none.hor 2>/dev/null; [ $? = 1 ] || exit 1
set -e
for c in horizon pick snap autopick clear-auto erase slice flatten arb; do
  "$bin" "$c" --help | grep -q usage
done
echo ok
