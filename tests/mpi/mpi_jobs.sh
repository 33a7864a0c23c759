#!/usr/bin/env bash
# Jobs split among MPI processes on the demo survey: batch processing (into a
# new file and in place), time slices and an autopick with the snap pass give
# the same files under `mpirun -n 3 ... --mpi` as one process alone.
set -euo pipefail
batch="$QUARRIX_BIN/quarrix-batch"
# Open MPI keeps some of its start-up allocations to the end of the process,
# so the leak check is off for the runs under mpirun (and only for them).
mpi=(env "ASAN_OPTIONS=${ASAN_OPTIONS:-}:detect_leaks=0" "UBSAN_OPTIONS=${UBSAN_OPTIONS:-}"
  mpirun --oversubscribe --allow-run-as-root -n 3 -x ASAN_OPTIONS -x UBSAN_OPTIONS)
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
"$batch" demo "$dir" --lines 31 --traces 40 --samples 300 >"$dir/demo.out"
hdr=$(head -n 1 "$dir/demo.out")
project=$(dirname "$hdr")

# A new trace file; only the first process names it.
"$batch" process "$hdr" --agc 200 --out "$dir/one.amp" --threads 1 >/dev/null
"${mpi[@]}" "$batch" process "$hdr" --agc 200 --out "$dir/three.amp" --threads 1 --mpi \
  >"$dir/process.out"
cmp "$dir/one.amp" "$dir/three.amp"
[ "$(cat "$dir/process.out")" = "$dir/three.amp" ]
if ls "$dir"/*~ 2>/dev/null; then exit 1; fi

# In place, from the same trace file.
cp "$project/demo.amp" "$dir/saved.amp"
"$batch" process "$hdr" --filter 5,10,40,60 --in-place --threads 2 >/dev/null
cp "$project/demo.amp" "$dir/inplace1.amp"
cp "$dir/saved.amp" "$project/demo.amp"
"${mpi[@]}" "$batch" process "$hdr" --filter 5,10,40,60 --in-place --mpi >/dev/null
cmp "$dir/inplace1.amp" "$project/demo.amp"
if ls "$project"/*~ 2>/dev/null; then exit 1; fi
cp "$dir/saved.amp" "$project/demo.amp"

# Time slices.
mkdir "$dir/slices1"
"$batch" slice "$hdr" --start 400 --end 1000 --inc 200 --threads 1 >/dev/null
mv "$project"/*.slc "$dir/slices1/"
"${mpi[@]}" "$batch" slice "$hdr" --start 400 --end 1000 --inc 200 --mpi >"$dir/slice.out"
[ "$(wc -l <"$dir/slice.out")" = 4 ]
for f in "$dir"/slices1/*.slc; do cmp "$f" "$project/$(basename "$f")"; done

# Autopick with the snap pass over part of the survey, along both directions.
cp "$project/demo_top.hor" "$dir/saved.hor"
cp "$project/demo_top.hop" "$dir/saved.hop"
for mode in inline xline; do
  "$batch" autopick "$hdr" demo_top.hor --mode $mode --zoom 1003:1029,2002:2040 --threads 1 \
    >/dev/null
  cp "$project/demo_top.hor" "$dir/one.hor"
  cp "$project/demo_top.hop" "$dir/one.hop"
  cp "$dir/saved.hor" "$project/demo_top.hor"
  cp "$dir/saved.hop" "$project/demo_top.hop"
  "${mpi[@]}" "$batch" autopick "$hdr" demo_top.hor --mode $mode --zoom 1003:1029,2002:2040 \
    --threads 1 --mpi >"$dir/autopick.out"
  [ "$(cat "$dir/autopick.out")" = "Autopick Finished" ]
  cmp "$dir/one.hor" "$project/demo_top.hor"
  cmp "$dir/one.hop" "$project/demo_top.hop"
  cp "$dir/saved.hor" "$project/demo_top.hor"
  cp "$dir/saved.hop" "$project/demo_top.hop"
done

# A refusal seen by the first process stops every process with a failure.
status=0
"${mpi[@]}" "$batch" process "$hdr" --agc 200 --out "$dir/three.amp" --mpi 2>/dev/null || status=$?
[ "$status" != 0 ]
cmp "$dir/one.amp" "$dir/three.amp"
echo ok
