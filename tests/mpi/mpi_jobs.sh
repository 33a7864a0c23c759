#!/usr/bin/env bash
# Jobs split among MPI processes on the demo survey: batch processing (into a
# new file and in place), time slices, an autopick with the snap pass,
# conditioning a range of lines and a load of many SEG-Y files give the same
# files under `mpirun -n 3 ... --mpi` as one process alone.
set -euo pipefail
batch="$QUARRIX_BIN/quarrix-batch"
ingestor="$QUARRIX_BIN/ingestor"
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

# The conditioned traces of a range of lines, to stdout and to a file.
"$batch" condition "$hdr" --lines 3:20 --phase 45 --agc 100 --threads 1 >"$dir/cond1.txt"
"${mpi[@]}" "$batch" condition "$hdr" --lines 3:20 --phase 45 --agc 100 --mpi >"$dir/cond3.txt"
cmp "$dir/cond1.txt" "$dir/cond3.txt"
[ "$(wc -l <"$dir/cond1.txt")" = $((18 * 40)) ]
"${mpi[@]}" "$batch" condition "$hdr" --lines 3:20 --phase 45 --agc 100 --mpi --threads 2 \
  --out "$dir/cond.txt" >"$dir/cond.out"
cmp "$dir/cond1.txt" "$dir/cond.txt"
[ "$(cat "$dir/cond.out")" = "$dir/cond.txt" ]

# A load of the demo's SEG-Y export delivered as a file per group of lines,
# with a file holding cells of two others again (other traces: the later
# file's must win) and traces outside the given ranges (skipped, with their
# messages): the same project and the same Messages as one process.
sgy="$dir/sgy"
mkdir "$sgy" "$dir/alt"
for range in 1001:1010 1011:1020 1021:1031; do
  "$ingestor" export "$hdr" --out "$sgy/part-${range%:*}.sgy" --lines "$range" >/dev/null
done
cp "$hdr" "$dir/alt/alt.hdr"
cp "$project/demo.amp" "$dir/alt/alt.amp"
"$batch" process "$dir/alt/alt.hdr" --phase 90 --in-place >/dev/null
"$ingestor" export "$dir/alt/alt.hdr" --out "$sgy/again.sgy" --lines 1008:1013 >/dev/null
words=(--line-word 13 --trace-word 9)
load() { # DIR RUNNER... : loads every file into DIR/p, Messages in DIR.out
  local into=$1
  shift
  mkdir "$dir/$into"
  (cd "$dir/$into" && "$@" "$ingestor" load "$sgy"/part-*.sgy "$sgy/again.sgy" \
    --project p "${words[@]}" "${options[@]}" >"$dir/$into.out")
}
options=()
load one
options=(--mpi)
load three "${mpi[@]}"
load mpi1 "${mpi[@]:0:3}" mpirun --oversubscribe --allow-run-as-root -n 1 -x ASAN_OPTIONS \
  -x UBSAN_OPTIONS
for run in three mpi1; do
  cmp "$dir/one/p/p.amp" "$dir/$run/p/p.amp"
  cmp "$dir/one/p/p.hdr" "$dir/$run/p/p.hdr"
  cmp "$dir/one.out" "$dir/$run.out"
done
grep -q "^Converting 1000 Traces$" "$dir/one.out"
options=(--lines 1002:1030 --traces 2001:2040 --scale 1000)
load skip-one
options+=(--mpi)
load skip-three "${mpi[@]}"
cmp "$dir/skip-one/p/p.amp" "$dir/skip-three/p/p.amp"
cmp "$dir/skip-one.out" "$dir/skip-three.out"
[ "$(grep -c "^Skip Trace  line" "$dir/skip-one.out")" = 80 ]

# A file that cannot continue the load, read by the last process: every
# process stops, and the project is as it was.
"$batch" demo "$dir/short" --lines 3 --traces 4 --samples 100 >/dev/null
"$ingestor" export "$dir/short/demo/demo.hdr" --out "$sgy/short.sgy" >/dev/null
status=0
(cd "$dir/three" && "${mpi[@]}" "$ingestor" load "$sgy"/part-*.sgy "$sgy/short.sgy" --project p \
  "${words[@]}" --mpi >/dev/null 2>&1) || status=$?
[ "$status" != 0 ]
cmp "$dir/one/p/p.amp" "$dir/three/p/p.amp"
cmp "$dir/one/p/p.hdr" "$dir/three/p/p.hdr"
[ "$(ls "$dir/three/p")" = "$(printf 'p.amp\np.hdr')" ]

# A refusal seen by the first process stops every process with a failure.
status=0
"${mpi[@]}" "$batch" process "$hdr" --agc 200 --out "$dir/three.amp" --mpi 2>/dev/null || status=$?
[ "$status" != 0 ]
cmp "$dir/one.amp" "$dir/three.amp"
echo ok
