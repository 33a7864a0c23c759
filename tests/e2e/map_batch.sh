#!/usr/bin/env bash
# quarrix-batch grid and contour on a small project: a planar horizon with holes
# is filled exactly, and a single high cell gives one closed contour.
set -euo pipefail
batch="$QUARRIX_BIN/quarrix-batch"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

python3 - "$work" <<'PY'
import struct, sys
work = sys.argv[1]
records = ["owner", "line", "crew", "25.0", "25.0", "200", "4.0", "100", "109", "200", "214",
           "1", "1.0", "1.0", "0"]
with open(f"{work}/p.hdr", "wb") as f:
    f.write(b"".join(r.encode().ljust(40, b" ") for r in records))
cells = []
for r in range(10):
    for c in range(15):
        cells.append(1000 + 4 * c - 9 * r if (r * 15 + c) % 4 == 0 else 32700)
with open(f"{work}/top.hor", "wb") as f:
    f.write(struct.pack("<I", 0x0110000C) + struct.pack("<150h", *cells) + struct.pack("<150h", *[7] * 150))
spike = [0] * 150
spike[4 * 15 + 6] = 100
with open(f"{work}/spike.isp", "wb") as f:
    f.write(b"\0" * 4 + struct.pack("<150h", *spike))
PY

"$batch" grid "$work/p.hdr" "$work/top.hor" --out "$work/filled.hor" | grep -q "^filled 112 cells$"
python3 - "$work" <<'PY'
import struct, sys
work = sys.argv[1]
data = open(f"{work}/filled.hor", "rb").read()
cells = struct.unpack("<150h", data[4:304])
bad = [(i, v) for i, v in enumerate(cells) if v != 1000 + 4 * (i % 15) - 9 * (i // 15)]
assert not bad, bad
assert data[304:] == struct.pack("<150h", *[7] * 150)
PY

"$batch" contour "$work/p.hdr" "$work/spike.isp" --levels 50 --json > "$work/contours.json"
python3 - "$work" <<'PY'
import json, sys
levels = json.load(open(f"{sys.argv[1]}/contours.json"))["levels"]
assert levels[0]["level"] == 50
paths = levels[0]["polygons"]
assert len(paths) == 1 and paths[0]["closed"], paths
assert sorted(map(tuple, paths[0]["points"])) == [(5.5, 4), (6, 3.5), (6, 4.5), (6.5, 4)], paths
PY
echo "map batch commands: ok"
