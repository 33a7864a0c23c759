#!/usr/bin/env bash
# quarrix-batch plot-map on a small project: every plot type as a metafile and
# a PDF read by the outside readers (wmf2svg, pdfinfo), a PNG whose pixels
# show the band colours and the white of unpicked cells, and refused options.
set -euo pipefail
bin="$QUARRIX_BIN/quarrix-batch/quarrix-batch"
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
python3 - "$dir" <<'PY'
import struct, sys
d = sys.argv[1]
def num(v): return (str(v) + " " * 40)[:40]
def text(t): return (t + "\0" * 40)[:39] + " "
lines, traces = 30, 40
records = [text("Owner"), text("Map"), text("Crew"), num("25.000000"), num("25.000000"),
           num(400), num("4.000000"), num(1), num(lines), num(1), num(traces), num(4),
           num("1.000000"), num("1.000000"), num(0)]
open(d + "/p.hdr", "wb").write("".join(records).encode("latin-1"))
times = []
for l in range(lines):
    for t in range(traces):
        # A dome, with the left quarter of the survey unpicked.
        times.append(32700 if t < 10 else int(1500 - ((t - 25) ** 2 + (l - 15) ** 2)))
with open(d + "/top.hor", "wb") as f:
    f.write(struct.pack("<I", 0x0110000C))
    f.write(struct.pack("<%dh" % len(times), *times))
    f.write(struct.pack("<%dh" % len(times), *[(v % 200) * 100 for v in times]))
# A well at line 15, trace 25, symbol 1, title "Discovery".
well = struct.pack("<hhhh", 15, 25, 2000, 1480) + b"\0" * 30 + struct.pack("<hii", 1, 0, 0)
open(d + "/W-1.wll", "wb").write(well + b"Discovery".ljust(32, b"\0"))
PY
"$bin" xy create "$dir/p.hdr" --a 1000,2000 --b 1975,2000 --c 1000,2725 >/dev/null

plot() { "$bin" plot-map "$dir/p.hdr" "$dir/top.hor" --dpi 60 "$@"; }
for type in horizon contour lcontour surface; do
  plot --type "$type" --title --labels --grid-lines --wells "$dir/W-1.wll" --out "$dir/$type.wmf" >/dev/null
  plot --type "$type" --out "$dir/$type.pdf" >/dev/null
  if command -v wmf2svg >/dev/null; then
    out=$(wmf2svg -o "$dir/$type.svg" "$dir/$type.wmf" 2>&1)
    [ -z "$out" ] || { echo "wmf2svg complained about $type: $out"; exit 1; }
    grep -q '<svg' "$dir/$type.svg"
  fi
  if command -v pdfinfo >/dev/null; then pdfinfo "$dir/$type.pdf" | grep -q '^Pages: *1$'; fi
done
grep -aq 'Horizon Plot   p   File top.hor' "$dir/horizon.wmf"
plot --amp --title --out "$dir/amp.wmf" >/dev/null
grep -aq 'Amplitude Plot' "$dir/amp.wmf"
plot --in-xy --smooth light --decimate 1 --out "$dir/xy.png" >/dev/null
plot --scale 500 --out "$dir/map.png" >/dev/null
# Culture from a CAD package: ezdxf writes a line in world coordinates along
# line 20 over the unpicked traces 3 to 8.
python=python3
python3 -c 'import ezdxf' 2>/dev/null || python=/usr/bin/python3
if $python -c 'import ezdxf' 2>/dev/null; then
  $python - "$dir" <<'PY'
import sys, ezdxf
doc = ezdxf.new("R12")
y = 2000 + (20 - 1) * 25
doc.modelspace().add_line((1000 + 2 * 25, y), (1000 + 7 * 25, y))
doc.saveas(sys.argv[1] + "/lease.dxf")
arcs = ezdxf.new("R2000")
arcs.modelspace().add_arc((1200, 2300), 50, 0, 90)
arcs.saveas(sys.argv[1] + "/arcs.dxf")
PY
  plot --scale 500 --dxf "$dir/lease.dxf" --out "$dir/culture.png" >/dev/null
  # A drawing the overlay cannot draw any of is refused, saying what it holds.
  if plot --dxf "$dir/arcs.dxf" --out "$dir/arcs.png" >/dev/null 2>"$dir/arcs.err"; then
    echo "a DXF of arcs only gave a map without its culture"; exit 1
  fi
  grep -q "skipped: 1 ARC" "$dir/arcs.err"
fi
! plot --type nothing --out "$dir/x.png" 2>/dev/null
! plot --camera 0,1,2 --out "$dir/x.png" 2>/dev/null
! plot --out "$dir/x.txt" 2>/dev/null
! "$bin" plot-map "$dir/p.hdr" "$dir/missing.hor" --out "$dir/x.png" 2>/dev/null

python=python3
python3 -c 'import PIL' 2>/dev/null || python=/usr/bin/python3
if $python -c 'import PIL' 2>/dev/null; then
  $python - "$dir" <<'PY'
import sys
from PIL import Image
d = sys.argv[1]
img = Image.open(d + "/map.png").convert("RGB")
assert img.size == (660, 510), img.size
# 1000 ft by 750 ft at 500 ft per inch: 2 x 1.5 in, centred in the area left
# of the colour bar (0.6 in margins, 1.6 in for the bar).
left = 0.6 * 60 + ((11 - 1.2 - 1.6) * 60 - 120) / 2
top = 0.6 * 60 + ((8.5 - 1.2) * 60 - 90) / 2
def at(trace, line):  # centre of a cell, traces across, lines up (corner 4)
    return img.getpixel((int(left + (trace - 0.5) * 3), int(top + 90 - (line - 0.5) * 3)))
assert at(3, 15) == (255, 255, 255), at(3, 15)      # unpicked
assert at(25, 15) != (255, 255, 255), at(25, 15)    # the dome's top is coloured
assert at(25, 15) != at(12, 2), (at(25, 15), at(12, 2))
import os
if os.path.exists(d + "/culture.png"):
    culture = Image.open(d + "/culture.png").convert("RGB")
    def dark_near(trace, line):  # any dark pixel in the cell around its centre
        cx, cy = int(left + (trace - 0.5) * 3), int(top + 90 - (line - 0.5) * 3)
        return any(sum(culture.getpixel((cx + dx, cy + dy))) < 200
                   for dx in (-1, 0, 1) for dy in (-2, -1, 0, 1, 2))
    for trace in (4, 5, 6, 7):
        assert dark_near(trace, 20), ("culture missing at trace", trace)
    assert not dark_near(5, 10) and not dark_near(5, 28), "culture where the drawing has none"
PY
fi
echo "plot-map: ok"
