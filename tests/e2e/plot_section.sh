#!/usr/bin/env bash
# quarrix-batch plot-section on a small synthetic project: every output type,
# each checked by an outside reader (Pillow, wmf2svg, pdfinfo), and the
# refusals of bad options.
set -euo pipefail
bin="$QUARRIX_BIN/quarrix-batch"
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
python3 - "$dir/demo" <<'PY'
import math, struct, sys
base = sys.argv[1]
def num(v): return (str(v) + " " * 40)[:40]
def text(t): return (t + "\0" * 40)[:39] + " "
lines, traces, samples = 3, 40, 200
records = [text("Owner"), text("Demo"), text("Crew"), num("25.000000"), num("25.000000"),
           num(2 * samples), num("4.000000"), num(1), num(lines), num(1), num(traces), num(1),
           num("1.000000"), num("1.000000"), num(0)]
open(base + ".hdr", "wb").write("".join(records).encode("latin-1"))
with open(base + ".amp", "wb") as amp:
    for l in range(lines):
        for t in range(traces):
            peak = 60 + t + 3 * l
            values = []
            for s in range(samples):
                u = (s - peak) / 3.0
                values.append(int(round(30000 * (1 - 2 * u * u) * math.exp(-u * u))))
            amp.write(struct.pack("<%dh" % samples, *values))
# A horizon along the event, style colour 11 (blue).
with open(base + "_top.hor", "wb") as hor:
    hor.write(struct.pack("<I", 11))
    hor.write(struct.pack("<%dh" % (lines * traces),
                          *[4 * (60 + t + 3 * l) for l in range(lines) for t in range(traces)]))
PY
plot() { "$bin" plot-section "$dir/demo.hdr" --line 2 --dpi 60 "$@"; }
plot --out "$dir/var.png" --title --comment1 "e2e" --horizons "$dir/demo_top.hor" >/dev/null
plot --mode color --out "$dir/color.BMP" --reverse >/dev/null
plot --mode color --out "$dir/color.emf" --right-to-left >/dev/null
plot --out "$dir/var.pdf" >/dev/null
plot --out "$dir/var.svg" --start-ms 100 --end-ms 500 >/dev/null
# Conditioned traces, and the title naming the conditioning.
plot --out "$dir/filtered.wmf" --title --filter 5,10,40,60 --agc 200 >/dev/null
grep -aq 'Filt 5,10,40,60' "$dir/filtered.wmf"
! plot --out "$dir/x.png" --filter 5,10 2>/dev/null
grep -q '<svg' "$dir/var.svg"

python=python3
python3 -c 'import PIL' 2>/dev/null || python=/usr/bin/python3
if $python -c 'import PIL' 2>/dev/null; then
  $python - "$dir" <<'PY'
import sys
from PIL import Image
d = sys.argv[1]
png = Image.open(d + "/var.png").convert("RGB")
# The title block widens the page to 6.5 inches, at 60 dpi.
assert png.size[0] == 390, png.size
# Without it: two half-inch margins and 39 trace spacings at 24 per inch.
assert Image.open(d + "/color.BMP").size[0] == 158 + 75, "and 1.25 in of legend"
dark = sum(1 for p in png.getdata() if p == (0, 0, 0))
blue = sum(1 for p in png.getdata() if p == (0, 0, 255))
assert dark > 500 and blue > 20, (dark, blue)
bmp = Image.open(d + "/color.BMP")
assert bmp.mode == "P", bmp.mode
palette = bmp.getpalette()
assert palette[:3] == [0, 0, 255], palette[:6]  # the default bar starts blue
PY
fi
if command -v wmf2svg >/dev/null; then
  wmf2svg -o "$dir/color.svg" "$dir/color.emf"
  grep -q '<image' "$dir/color.svg"
fi
if command -v pdfinfo >/dev/null; then
  pdfinfo "$dir/var.pdf" | grep -q '^Pages: *1$'
fi

# Refusals: no section, a bad mode, a window outside the trace, no traces.
! "$bin" plot-section "$dir/demo.hdr" --out "$dir/x.png" 2>/dev/null
! plot --mode wiggly --out "$dir/x.png" 2>/dev/null
! plot --start-ms 500 --end-ms 100 --out "$dir/x.png" 2>/dev/null
! "$bin" plot-section "$dir/demo.hdr" --line 9 --out "$dir/x.wmf" 2>"$dir/err"
grep -q 'no traces' "$dir/err"
echo ok
