#!/usr/bin/env bash
# SEG-Y files written by the segyio library (several formats, geometries,
# sortings, with gaps) load into projects whose samples match what segyio
# reads; the real sample files load too. Skips when segyio is missing.
set -euo pipefail
python=/usr/bin/python3
export PYTHONWARNINGS=ignore
[ -x "$python" ] || python=python3
if ! "$python" -c "import segyio, numpy" 2>/dev/null; then
  echo "segyio or numpy is not installed: skipped"
  exit 0
fi
ingestor="$QUARRIX_BIN/ingestor"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
exec "$python" - "$ingestor" "$work" "${QUARRIX_SHARED_DATA:-}" \
  "$QUARRIX_BIN/quarrix-batch" <<'PY'
import os, subprocess, sys
import numpy as np
import segyio

ingestor, work, shared, batch = sys.argv[1], sys.argv[2], sys.argv[3], sys.argv[4]
rng = np.random.default_rng(3)

def write(path, lines, traces, samples, fmt, interval_us=4000, xline_sorted=False, drop=()):
    layout = segyio.spec()
    layout.format = fmt
    layout.samples = np.arange(samples) * interval_us / 1000.0
    cells = [(l, t) for l in lines for t in traces]
    if xline_sorted:
        cells = [(l, t) for t in traces for l in lines]
    cells = [c for c in cells if c not in drop]
    layout.tracecount = len(cells)
    data = {}
    with segyio.create(path, layout) as f:
        f.bin.update(hdt=interval_us, hns=samples, format=fmt)
        for k, (l, t) in enumerate(cells):
            if fmt in (1, 5):
                tr = rng.normal(0, 1000 * (1 + (l + t) % 5), samples).astype(np.float32)
            else:
                limit = {2: 30000, 3: 30000, 8: 120}[fmt]
                tr = rng.integers(-limit, limit, samples).astype(np.float32)
            f.header[k] = {segyio.su.iline: l, segyio.su.xline: t, segyio.su.offset: 1,
                           segyio.su.cdpx: 1000 + t, segyio.su.cdpy: 2000 + l}
            f.trace[k] = tr
            data[(l, t)] = tr
    # This segyio release leaves the last sample of 1- and 2-byte formats
    # unwritten; the file is completed with zeros before anyone reads it.
    width = {1: 4, 2: 4, 3: 2, 5: 4, 8: 1}[fmt]
    full = 3600 + len(cells) * (240 + samples * width)
    if os.path.getsize(path) < full:
        with open(path, "r+b") as f:
            f.truncate(full)
    return data

def read_back(path, lines, traces, samples):
    with segyio.open(path, ignore_geometry=True) as f:
        return {(int(h[segyio.su.iline]), int(h[segyio.su.xline])): np.array(f.trace[k], dtype=np.float64)
                for k, h in enumerate(f.header)}

def load(name, files, *options):
    project = os.path.join(work, name, name)
    cmd = [ingestor, "load", *files, "--project", os.path.join(work, name),
           "--line-word", "189", "--trace-word", "193", *options]
    run = subprocess.run(cmd, capture_output=True, text=True)
    if run.returncode != 0:
        sys.exit(f"{name}: load failed: {run.stderr}")
    return project

def amp(project, lines, traces, samples):
    a = np.fromfile(project + ".amp", dtype="<i2")
    return a.reshape(len(lines), len(traces), samples)

failures = []
cases = [
    ("ibm", 1, range(10, 16), range(100, 109), False, ()),
    ("ieee_xline", 5, range(1, 6), range(20, 27), True, ()),
    ("int32_gaps", 2, range(3, 8), range(5, 12), False, {(4, 6), (6, 11), (7, 5)}),
    ("int16", 3, range(1, 4), range(1, 9), True, {(2, 2)}),
    ("int8", 8, range(1, 5), range(1, 5), False, ()),
]
for name, fmt, lines, traces, xsorted, drop in cases:
    samples = 37
    path = os.path.join(work, name + ".sgy")
    write(path, lines, traces, samples, fmt, xline_sorted=xsorted, drop=drop)
    truth = read_back(path, lines, traces, samples)  # what segyio reads
    integer = fmt in (2, 3, 8)
    project = load(name, [path], *(["--no-scale"] if integer else []))
    got = amp(project, lines, traces, samples)
    used = max(np.abs(t).max() for t in truth.values())
    for i, l in enumerate(lines):
        for j, t in enumerate(traces):
            stored = got[i, j].astype(np.float64)
            if (l, t) not in truth:
                if np.any(stored != 0):
                    failures.append(f"{name}: gap ({l},{t}) is not zero")
                continue
            want = truth[(l, t)] if integer else truth[(l, t)] * 32767.0 / used
            tol = 0 if integer else 2.0
            if np.abs(stored - np.trunc(want)).max() > tol:
                failures.append(f"{name}: trace ({l},{t}) differs by {np.abs(stored - want).max()}")
                break

# Two files appended into one project.
a = os.path.join(work, "part1.sgy"); b = os.path.join(work, "part2.sgy")
write(a, range(1, 3), range(1, 5), 25, 3)
write(b, range(1, 3), range(5, 9), 25, 3)
ta = read_back(a, range(1, 3), range(1, 5), 25)
project = load("appended", [a, b], "--no-scale")
got = amp(project, range(1, 3), range(1, 5), 25)
if not np.array_equal(got[1, 3], ta[(2, 4)].astype(np.int16)):
    failures.append("appended: first file's traces differ")

# The real sample files.
if shared and os.path.exists(os.path.join(shared, "f3.sgy")):
    f3 = os.path.join(shared, "f3.sgy")
    with segyio.open(f3, iline=189, xline=193) as f:
        cube = segyio.tools.cube(f)
        il, xl = list(f.ilines), list(f.xlines)
    project = load("f3", [f3], "--no-scale")
    got = amp(project, il, xl, cube.shape[2])
    if not np.array_equal(got, cube.astype(np.int16)):
        failures.append("f3.sgy: 16-bit samples not reproduced exactly")
    small = os.path.join(shared, "small.sgy")
    with segyio.open(small, iline=189, xline=193) as f:
        cube = segyio.tools.cube(f)
    project = load("small", [small])
    got = amp(project, range(5), range(5), cube.shape[2]).astype(np.float64)
    want = cube * 32767.0 / np.abs(cube).max()
    if np.abs(got - want).max() > 2.0:
        failures.append("small.sgy: scaled samples differ")

# segyio reads an exported sub-range back with the right samples, numbers
# and coordinates.
project = os.path.join(work, "ibm", "ibm")
subprocess.run([batch, "xy", "create", project + ".hdr", "--a", "500000,6000000",
                "--b", "500200,6000000", "--c", "500000,6000150"], check=True,
               capture_output=True)
exported = os.path.join(work, "exported.sgy")
subprocess.run([ingestor, "export", project + ".hdr", "--out", exported,
                "--lines", "11:13", "--traces", "102:106"], check=True, capture_output=True)
stored = amp(project, range(10, 16), range(100, 109), 37)
xy = np.fromfile(project + ".x_y", dtype="<i4").reshape(6, 9, 2)
with segyio.open(exported, ignore_geometry=True) as f:
    if f.tracecount != 15 or f.bin[segyio.BinField.Format] != 1 or len(f.samples) != 37:
        failures.append(f"export: {f.tracecount} traces of {len(f.samples)} samples")
    for k, h in enumerate(f.header):
        line, trace = h[segyio.su.tracf], h[segyio.su.fldr]
        l, t = line - 10, trace - 100
        if h[segyio.su.tracl] != k + 1 or not (1 <= l <= 3) or not (2 <= t <= 6):
            failures.append(f"export: trace {k} header {line} {trace}")
            break
        if not np.array_equal(f.trace[k], stored[l, t].astype(np.float32)):
            failures.append(f"export: samples of line {line} trace {trace} differ")
            break
        if (h[segyio.su.sx], h[segyio.su.sy], h[segyio.su.gx], h[segyio.su.gy]) != \
                (xy[l, t, 0], xy[l, t, 1], xy[l, t, 0], xy[l, t, 1]):
            failures.append(f"export: X/Y of line {line} trace {trace} differ")
            break

if failures:
    print("\n".join(failures))
    sys.exit(1)
print("segyio cross-check passed")
PY
