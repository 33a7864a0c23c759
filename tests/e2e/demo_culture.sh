#!/usr/bin/env bash
# The demo survey comes with wells, a well group and a DXF culture file that
# read back through the batch commands and lie on the survey.
set -euo pipefail
batch="$QUARRIX_BIN/quarrix-batch"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
hdr=$("$batch" demo "$work" --lines 30 --traces 40 --samples 400 2>/dev/null | sed -n 1p)
folder=$(dirname "$hdr")
for well in DEMO-1 DEMO-2 DEMO-3 DEMO-4; do
  "$batch" well show "$hdr" "$well.wll" --json | grep -q "\"name\":\"$well\"" || {
    echo "well $well missing"; exit 1; }
done
[ "$(stat -c %s "$folder/demowells.lgv")" = 72 ] || { echo "well group size"; exit 1; }
[ "$(stat -c %s "$folder/demowells.wga")" = 40 ] || { echo "group attributes size"; exit 1; }
info=$("$batch" dxf info "$folder/culture.dxf" --json)
echo "$info" | grep -q '"counts":{"polylines":2,"polyline_points":9,"lines":2,"texts":2,"circles":4}' || {
  echo "culture counts: $info"; exit 1; }
# The wells sit inside the survey's X/Y extent.
read -r x y < <("$batch" xy convert "$hdr" --line 1008 --trace 2012)
"$batch" well show "$hdr" DEMO-1.wll --json | grep -q "\"x\":$x,\"y\":$y" || {
  echo "DEMO-1 is not at line 1008 trace 2012 ($x $y)"; "$batch" well show "$hdr" DEMO-1.wll; exit 1; }
# The map plot posts the group's wells and draws the culture.
"$batch" plot-map "$hdr" "$folder/demo_top.hor" --wells "$folder/demowells.lgv,$folder/DEMO-1.wll" \
  --dxf "$folder/culture.dxf" --labels --out "$work/map.wmf" >/dev/null
[ "$(stat -c %s "$work/map.wmf")" -gt 1000 ] || { echo "map plot with culture"; exit 1; }
echo "demo culture: ok"
