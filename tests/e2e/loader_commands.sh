#!/usr/bin/env bash
# The loader's batch commands end to end: the demo survey, its export to a
# tape image and back in every tape mode, and refusal of bad input.
set -euo pipefail
ingestor="$QUARRIX_BIN/ingestor"
batch="$QUARRIX_BIN/quarrix-batch"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

"$batch" demo "$work/d" --lines 12 --traces 15 --samples 200 >"$work/demo.out" 2>/dev/null
hdr=$(head -n 1 "$work/demo.out")
[ -f "$hdr" ] && [ -f "${hdr%.hdr}.amp" ] && [ -f "${hdr%.hdr}.x_y" ] || fail "demo files"
"$ingestor" scan "$work/d/demo.sgy" --json | grep -q '"traces":180' || fail "scan count"

"$ingestor" export "$hdr" --tape "$work/demo.tap" >/dev/null 2>&1 || fail "export"
for mode in auto manual copy; do
  "$ingestor" tape-load "$work/demo.tap" --mode $mode --project "$work/t/$mode" \
    --line-word 13 --trace-word 9 --no-scale --lines 1001:1012 --traces 2001:2015 \
    >/dev/null 2>&1 || fail "tape-load $mode"
done
cmp -s "$work/t/auto/auto.amp" "${hdr%.hdr}.amp" || fail "auto differs"
cmp -s "$work/t/manual/manual.amp" "${hdr%.hdr}.amp" || fail "manual differs"
"$ingestor" load "$work/t/copy/copy.sgy" --project "$work/t/again" --line-word 13 \
  --trace-word 9 --no-scale >/dev/null 2>&1 || fail "load of the copy"
cmp -s "$work/t/again/again.amp" "${hdr%.hdr}.amp" || fail "copy differs"

# Bad input: a clear message, a non-zero status, no half-made project.
head -c 20000 /dev/urandom >"$work/random.sgy"
if "$ingestor" load "$work/random.sgy" --project "$work/bad/p" --line-word 189 \
  --trace-word 193 >/dev/null 2>"$work/err"; then fail "random bytes loaded"; fi
[ -s "$work/err" ] || fail "no message for random bytes"
[ ! -e "$work/bad/p" ] || fail "half-made project left behind"
if "$ingestor" load "$work/d/demo.sgy" --project "$work/bad/q" --line-word 190 \
  --trace-word 193 2>/dev/null; then fail "misaligned word accepted"; fi
"$ingestor" load --help | grep -q -- "--line-word" || fail "help"
echo "loader commands passed"
