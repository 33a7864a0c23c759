#!/usr/bin/env bash
# MPI scaling on one machine: batch processing (AGC into a new trace file),
# 50 time slices of a demo survey and the load of its SEG-Y export delivered
# as eight files, as one process without MPI and as jobs of 1, 2 and 4
# processes of one thread each, measured in the same run against cat of the
# trace file (of the SEG-Y files for the load). Prints wall times, speed-ups and whether the files
# are those of the single process. Run by bench/run with BUILD set;
# arguments: [LINES TRACES SAMPLES].
set -euo pipefail
build=${BUILD:-build-bench}
batch="$build/bin/quarrix-batch"
ingestor="$build/bin/ingestor"
lines=${1:-400} traces=${2:-400} samples=${3:-1000}
work=$(mktemp -d "${TMPDIR:-/tmp}/quarrix-bench.XXXXXX")
trap 'rm -rf "$work"' EXIT
"$batch" demo "$work" --lines "$lines" --traces "$traces" --samples "$samples" >"$work/demo.out"
hdr=$(head -n 1 "$work/demo.out")
project=$(dirname "$hdr")
echo "survey: $lines x $traces traces, $samples samples ($(du -h "$project/demo.amp" | cut -f1))"
mpi=(mpirun --oversubscribe --allow-run-as-root)

seconds() {  # best wall time of three runs of the command
  local best=""
  for _ in 1 2 3; do
    local start end
    start=$(date +%s.%N)
    "$@" >/dev/null 2>&1
    end=$(date +%s.%N)
    best=$(echo "$start $end ${best:-1e9}" | awk '{d = $2 - $1; print (d < $3 ? d : $3)}')
  done
  echo "$best"
}
ratio() { echo "$1 $2" | awk '{printf "%.2f", $1 / $2}'; }

cat_s=$(seconds cat "$project/demo.amp")
echo "cat of the trace file: ${cat_s} s"
one=$(seconds "$batch" process "$hdr" --agc 200 --out "$work/one.amp" --threads 1 --force)
echo "process, one process without MPI: ${one} s"
for n in 1 2 4; do
  t=$(seconds "${mpi[@]}" -n $n "$batch" process "$hdr" --agc 200 --out "$work/n$n.amp" \
    --threads 1 --force --mpi)
  same=$(cmp -s "$work/one.amp" "$work/n$n.amp" && echo "same file" || echo "FILE DIFFERS")
  echo "process, mpirun -n $n: ${t} s   speed-up $(ratio "$one" "$t")   $same"
done

mkdir "$work/slices"
one=$(seconds "$batch" slice "$hdr" --start 500 --end 1480 --inc 20 --threads 1)
cp "$project"/*.slc "$work/slices/"
echo "50 slices, one process without MPI: ${one} s   $(ratio "$one" "$cat_s") x cat"
for n in 1 2 4; do
  t=$(seconds "${mpi[@]}" -n $n "$batch" slice "$hdr" --start 500 --end 1480 --inc 20 \
    --threads 1 --mpi)
  same="same files"
  for f in "$work"/slices/*.slc; do cmp -s "$f" "$project/$(basename "$f")" || same="FILES DIFFER"; done
  echo "50 slices, mpirun -n $n: ${t} s   speed-up $(ratio "$one" "$t")   $same"
done

mkdir "$work/sgy"
first_line=1001
for k in 0 1 2 3 4 5 6 7; do
  a=$((first_line + lines * k / 8)) b=$((first_line + lines * (k + 1) / 8 - 1))
  "$ingestor" export "$hdr" --out "$work/sgy/part$k.sgy" --lines "$a:$b" >/dev/null 2>&1
done
cat_s=$(seconds cat "$work"/sgy/*.sgy)
echo "load of 8 SEG-Y files ($(du -ch "$work"/sgy/*.sgy | tail -n 1 | cut -f1)): cat ${cat_s} s"
load=(load "$work"/sgy/*.sgy --line-word 13 --trace-word 9 --threads 1)
one=$(seconds "$ingestor" "${load[@]}" --project "$work/load/one")
echo "load, one process without MPI: ${one} s   $(ratio "$one" "$cat_s") x cat"
for n in 1 2 4; do
  t=$(seconds "${mpi[@]}" -n $n "$ingestor" "${load[@]}" --project "$work/load/n$n" --mpi)
  same=$(cmp -s "$work/load/one/one.amp" "$work/load/n$n/n$n.amp" && echo "same file" ||
    echo "FILE DIFFERS")
  echo "load, mpirun -n $n: ${t} s   speed-up $(ratio "$one" "$t")   $(ratio "$t" "$cat_s") x cat" \
    "  $same"
done
