#!/usr/bin/env bash
# --threads on the demo survey: a load, batch processing, time slices and an
# autopick with the snap pass give the same files on one thread and on three.
set -euo pipefail
batch="$QUARRIX_BIN/quarrix-batch/quarrix-batch"
ingestor="$QUARRIX_BIN/ingestor/ingestor"
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
"$batch" demo "$dir" --lines 30 --traces 40 --samples 300 >"$dir/demo.out"
hdr=$(head -n 1 "$dir/demo.out")
project=$(dirname "$hdr")

"$ingestor" export "$hdr" --out "$dir/demo.sgy" >/dev/null
for n in 1 3; do
  "$ingestor" load "$dir/demo.sgy" --project "$dir/load$n/p" --line-word 189 --trace-word 193 \
    --threads $n | sed "s/load$n/loadN/g" >"$dir/load$n.log"
done
cmp "$dir/load1/p/p.amp" "$dir/load3/p/p.amp"
cmp "$dir/load1.log" "$dir/load3.log"

"$batch" process "$hdr" --agc 200 --out "$dir/one.amp" --threads 1 >/dev/null
"$batch" process "$hdr" --agc 200 --out "$dir/three.amp" --threads 3 >/dev/null
cmp "$dir/one.amp" "$dir/three.amp"

mkdir "$dir/slices1"
"$batch" slice "$hdr" --start 400 --end 1000 --inc 200 --threads 1 >/dev/null
mv "$project"/*.slc "$dir/slices1/"
"$batch" slice "$hdr" --start 400 --end 1000 --inc 200 --threads 3 >/dev/null
for f in "$dir"/slices1/*.slc; do cmp "$f" "$project/$(basename "$f")"; done

cp "$project/demo_top.hor" "$dir/saved.hor"
cp "$project/demo_top.hop" "$dir/saved.hop"
"$batch" autopick "$hdr" demo_top.hor --mode inline --threads 1 >/dev/null
cp "$project/demo_top.hor" "$dir/one.hor"
cp "$dir/saved.hor" "$project/demo_top.hor"
cp "$dir/saved.hop" "$project/demo_top.hop"
"$batch" autopick "$hdr" demo_top.hor --mode inline --threads 3 >/dev/null
cmp "$dir/one.hor" "$project/demo_top.hor"

# A thread count that is not a number is refused with the usage status.
status=0
"$batch" slice "$hdr" --start 400 --end 400 --threads many 2>/dev/null || status=$?
[ "$status" = 2 ]
echo ok
