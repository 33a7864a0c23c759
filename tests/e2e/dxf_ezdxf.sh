#!/usr/bin/env bash
# DXF drawings written by the ezdxf library (R12 and later versions) read back
# through "quarrix-batch dxf info --json" with the coordinates, counts,
# justifications and stored order the overlay reader promises. Skips when
# ezdxf is missing.
set -euo pipefail
python=/usr/bin/python3
[ -x "$python" ] || python=python3
if ! "$python" -c "import ezdxf" 2>/dev/null; then
  echo "ezdxf is not installed: skipped"
  exit 0
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
exec "$python" - "$QUARRIX_BIN/quarrix-batch/quarrix-batch" "$work" <<'PY'
import json, math, random, subprocess, sys
import ezdxf

batch, work = sys.argv[1], sys.argv[2]
rng = random.Random(7)

def place(text, pos, align):
    if hasattr(text, "set_placement"):
        from ezdxf.enums import TextEntityAlignment
        text.set_placement(pos, align=TextEntityAlignment[align])
    else:
        text.set_pos(pos, align=align)

def build(version):
    doc = ezdxf.new(version)
    msp = doc.modelspace()
    expect = {"polylines": [], "lines": [], "circles": [], "texts": []}
    for k in range(3):
        points = [(rng.uniform(-5e5, 5e5), rng.uniform(1e6, 2e6)) for _ in range(rng.randint(2, 6))]
        width = rng.choice([0.0, 3.7, 25.0])
        poly = msp.add_polyline2d(points, dxfattribs={"layer": "LEASE", "default_start_width": width})
        expect["polylines"].append({"width": int(width),
                                    "points": [[int(x), int(y)] for x, y in reversed(points)]})
    for k in range(4):
        a = (rng.uniform(-1e4, 1e4), rng.uniform(-1e4, 1e4), rng.uniform(0, 50))
        b = (rng.uniform(-1e4, 1e4), rng.uniform(-1e4, 1e4), rng.uniform(0, 50))
        msp.add_line(a, b)
        expect["lines"].append({"start": [int(v) for v in a], "end": [int(v) for v in b]})
    for k in range(2):
        c = (rng.uniform(0, 1e5), rng.uniform(0, 1e5))
        r = rng.uniform(1, 500)
        msp.add_circle(c, r)
        expect["circles"].append({"centre": [int(c[0]), int(c[1]), 0], "radius": int(r)})
    if version != "R12":  # lightweight polylines came with R2000
        for k in range(3):
            points = [(rng.uniform(-5e5, 5e5), rng.uniform(1e6, 2e6), rng.uniform(0, 9),
                       rng.uniform(0, 9), rng.choice([0.0, 0.4, -1.0]))
                      for _ in range(rng.randint(2, 7))]
            closed = k == 1
            width = 0.0 if k == 0 else 5.5
            msp.add_lwpolyline(points, format="xyseb", close=closed,
                               dxfattribs={"const_width": width} if width else {})
            kept = [[int(x), int(y)] for x, y, *_ in points]
            if closed and len(kept) > 2:
                kept.append(kept[0])
            first_width = int(width) if width else int(points[0][2])
            expect["polylines"].append({"width": first_width, "points": list(reversed(kept))})
        msp.add_arc((0, 0), 10, 0, 90)
        msp.add_arc((5, 5), 10, 0, 90)
        msp.add_point((1, 2))
        expect["skipped"] = {"ARC": 2, "POINT": 1}
    aligns = [("LEFT", 0, 0), ("MIDDLE_CENTER", 1, 2), ("TOP_RIGHT", 2, 3), ("BOTTOM_LEFT", 0, 1)]
    for name, h, v in aligns:
        pos = (rng.uniform(0, 1e5), rng.uniform(0, 1e5))
        rotation = rng.choice([0.0, 30.5, 90.0, 271.25])
        words = "WELL %s %s" % (name, "X" * rng.randint(0, 40))
        t = msp.add_text(words, dxfattribs={"height": 12.5, "rotation": rotation})
        place(t, pos, name)
        expect["texts"].append({"anchor": [int(pos[0]), int(pos[1]), 0], "rotation": int(rotation * 10.0),
                                "horizontal_justification": h, "vertical_justification": v,
                                "text": words[:38], "height": 12.5})
    path = "%s/%s.dxf" % (work, version)
    doc.saveas(path)
    return path, expect

failures = 0
for version in ["R12", "R2000", "R2010", "R2018"]:
    path, expect = build(version)
    got = json.loads(subprocess.run([batch, "dxf", "info", path, "--json"], check=True,
                                    capture_output=True, text=True).stdout)
    def check(what, ok):
        global failures
        if not ok:
            failures += 1
            print("%s: %s differs" % (version, what))
    # The reader stores records newest first.
    check("polylines", got["polylines"] == list(reversed(expect["polylines"])))
    check("lines", got["lines"] == list(reversed(expect["lines"])))
    check("circles", got["circles"] == list(reversed(expect["circles"])))
    check("texts", got["texts"] == list(reversed(expect["texts"])))
    counts = got["counts"]
    check("counts", (counts["polylines"], counts["lines"], counts["circles"], counts["texts"],
                     counts["polyline_points"]) ==
          (len(expect["polylines"]), 4, 2, 4, sum(len(p["points"]) for p in expect["polylines"])))
    check("skipped entities", got["skipped"] == expect.get("skipped", {}))
    xs = [p[0] for poly in expect["polylines"] for p in poly["points"]]
    xs += [l[e][0] for l in expect["lines"] for e in ("start", "end")]
    xs += [c["centre"][0] for c in expect["circles"]] + [t["anchor"][0] for t in expect["texts"]]
    check("bounds", got["bounds"]["all_points"]["min_x"] == min(xs)
          and got["bounds"]["all_points"]["max_x"] == max(xs))
    line_ys = [l[e][1] for l in expect["lines"] for e in ("start", "end")]
    check("line bounds", got["bounds"]["line_points"]["max_y"] == max(line_ys))

# A binary DXF is refused.
doc = ezdxf.new("R2000")
doc.modelspace().add_line((0, 0), (1, 1))
binary = work + "/binary.dxf"
doc.saveas(binary, fmt="bin")
run = subprocess.run([batch, "dxf", "info", binary, "--json"], capture_output=True, text=True)
if run.returncode == 0:
    failures += 1
    print("binary DXF was not refused")
print("ezdxf cross-check: %d failure(s)" % failures)
sys.exit(1 if failures else 0)
PY
