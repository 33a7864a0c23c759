#!/usr/bin/env bash
# The fault batch commands on the demo survey: its interpolated fault, picking
# and interpolating a new fault, conversions, blanking, a Tridex import and the
# refusal of bad input.
set -euo pipefail
batch="$QUARRIX_BIN/quarrix-batch"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

"$batch" demo "$work/d" --lines 12 --traces 15 --samples 200 >"$work/demo.out" 2>/dev/null
hdr=$(head -n 1 "$work/demo.out")
dir=$(dirname "$hdr")
[ -f "$dir/normal_fault.ffl" ] || fail "demo fault"
"$batch" fault info "$hdr" "$dir/normal_fault.ffl" --json >"$work/info.json"
python3 - "$work/info.json" <<'PY' || fail "demo fault info"
import json, sys
info = json.load(open(sys.argv[1]))
assert info["seeds"] > 0 and info["filled"] > info["seeds"], info
assert info["extent"]["first_row"] == 0 and info["extent"]["last_row"] == 11, info
PY

f="$dir/picked.ffl"
"$batch" fault create "$hdr" "$f" || fail "create"
for line in 1001 1012; do
  "$batch" fault segment "$hdr" "$f" --line $line --from 2003:200 --to 2010:600 >/dev/null ||
    fail "segment $line"
done
"$batch" fault interpolate "$hdr" "$f" --method linear >/dev/null || fail "interpolate"
"$batch" fault info "$hdr" "$f" | grep -qx '16 seeds, 96 cells set' || fail "interpolated count"
"$batch" fault uninterpolate "$hdr" "$f" >/dev/null || fail "uninterpolate"
"$batch" fault info "$hdr" "$f" | grep -qx '16 seeds, 16 cells set' || fail "seeds only"

"$batch" fault to-horizon "$hdr" "$f" "$dir/as.hor" || fail "to-horizon"
"$batch" fault from-horizon "$hdr" "$dir/as.hor" "$dir/back.ffl" || fail "from-horizon"
"$batch" fault info "$hdr" "$dir/back.ffl" | grep -qx '0 seeds, 16 cells set' || fail "back"

# A flat horizon at 400 ms, blanked where the picked fault crosses it.
python3 - "$dir/flat.hor" <<'PY'
import struct, sys
open(sys.argv[1], "wb").write(struct.pack("<I", 0x0101000C) + struct.pack("<360h", *([400] * 180 + [0] * 180)))
PY
"$batch" fault blank-horizon "$hdr" "$dir/flat.hor" "$f" | grep -qx 'blanked 2 cells' || fail "blank"

# A Tridex file: one polyline on line index 2, from trace 2001 to 2004.
python3 - "$work/zone.fal" <<'PY'
import struct, sys
records = [b"\0" * 80] * 27
records[2] = struct.pack("<4h", 2001, 300, 2004, 330).ljust(80, b"\0")
open(sys.argv[1], "wb").write(b"\0\0" + b"".join(records))
PY
"$batch" fault import-foreign "$hdr" "$work/zone.fal" | grep -qx "$work/zone.ffl" || fail "import"
"$batch" fault info "$hdr" "$work/zone.ffl" | grep -qx '4 seeds, 4 cells set' || fail "imported"

if "$batch" fault segment "$hdr" "$f" --line 999 --from 1:1 --to 2:2 2>"$work/err"; then
  fail "bad line accepted"
fi
grep -q 'lines lie in 1001..1012' "$work/err" || fail "bad line message"
if "$batch" fault info "$hdr" "$dir/missing.ffl" 2>"$work/err"; then fail "missing accepted"; fi
grep -q 'Cannot Open FAULT File' "$work/err" || fail "missing message"
echo ok
