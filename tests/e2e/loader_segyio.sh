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
ingestor="$QUARRIX_BIN/ingestor/ingestor"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
exec "$python" - "$ingestor" "$work" "${QUARRIX_SHARED_DATA:-}" \
  "$QUARRIX_BIN/quarrix-batch/quarrix-batch" <<'PY'
import os, subprocess, sys
import numpy as np
import segyio

ingestor, work, shared, batch = sys.argv[1], sys.argv[2], sys.argv[3], sys.argv[4]
rng = np.random.default_rng(3)

def write(path, lines, traces, samples, fmt, interval_us=4000, xline_sorted=False, drop=(),
          endian="big", exact=False):
    layout = segyio.spec()
    layout.endian = endian
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
    if exact and width < 4:
        # It also misplaces 1-byte samples and swaps the 2-byte samples of
        # little-endian files as 4-byte words; for an exact pair of twins they
        # are rewritten here as the format defines them.
        order = "<" if endian == "little" else ">"
        with open(path, "r+b") as f:
            for k, c in enumerate(cells):
                f.seek(3600 + k * (240 + samples * width) + 240)
                f.write(data[c].astype({2: order + "i2", 1: "i1"}[width]).tobytes())
    return data

def read_back(path, lines, traces, samples, endian="big"):
    with segyio.open(path, ignore_geometry=True, endian=endian) as f:
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

# Little-endian twins (the same traces written least significant byte
# first) load to the same trace file as the big-endian ones.
for name, fmt, lines, traces, xsorted, drop in cases:
    samples = 37
    big = os.path.join(work, name + "_be.sgy")
    little = os.path.join(work, name + "_le.sgy")
    rng = np.random.default_rng(11)
    write(big, lines, traces, samples, fmt, xline_sorted=xsorted, drop=drop, exact=True)
    rng = np.random.default_rng(11)
    write(little, lines, traces, samples, fmt, xline_sorted=xsorted, drop=drop, endian="little",
          exact=True)
    if fmt != 8 and not all(np.array_equal(a, b) for a, b in zip(
            read_back(big, lines, traces, samples).values(),
            read_back(little, lines, traces, samples, endian="little").values())):
        failures.append(f"{name}: segyio reads the twins differently")
    scan = subprocess.run([ingestor, "scan", little, "--json"], capture_output=True, text=True)
    if '"byte_order":"little"' not in scan.stdout or '"format":%d' % fmt not in scan.stdout:
        failures.append(f"{name}: the scan does not show a little-endian file of format {fmt}")
    # Every header word segyio wrote reads the same in both orders.
    twin = subprocess.run([ingestor, "scan", big, "--json"], capture_output=True, text=True)
    if scan.stdout.replace('"byte_order":"little"', '"byte_order":"big"') != twin.stdout:
        failures.append(f"{name}: the header words of the twins scan differently")
    integer = ["--no-scale"] if fmt in (2, 3, 8) else []
    with open(load(name + "_be", [big], *integer) + ".amp", "rb") as f:
        want = f.read()
    with open(load(name + "_le", [little], *integer) + ".amp", "rb") as f:
        if f.read() != want:
            failures.append(f"{name}: the little-endian file loads to another trace file")

# Two files appended into one project.
a = os.path.join(work, "part1.sgy"); b = os.path.join(work, "part2.sgy")
write(a, range(1, 3), range(1, 5), 25, 3)
write(b, range(1, 3), range(5, 9), 25, 3)
ta = read_back(a, range(1, 3), range(1, 5), 25)
tb = read_back(b, range(1, 3), range(5, 9), 25)
project = load("appended", [a, b], "--no-scale")
got = amp(project, range(1, 3), range(1, 9), 25)  # the scan covers both files
if not np.array_equal(got[1, 3], ta[(2, 4)].astype(np.int16)):
    failures.append("appended: first file's traces differ")
if not np.array_equal(got[0, 6], tb[(1, 7)].astype(np.int16)):
    failures.append("appended: second file's traces differ")

# A survey delivered as one file per in-line loads to the same trace file as
# the single file, with the ranges scanned from all files or given.
rng = np.random.default_rng(5)
whole = os.path.join(work, "whole.sgy")
write(whole, range(111, 114), range(1, 7), 25, 3)
rng = np.random.default_rng(5)
per_line = []
for l in range(111, 114):
    per_line.append(os.path.join(work, f"il-{l}.sgy"))
    write(per_line[-1], [l], range(1, 7), 25, 3)
with open(load("whole", [whole], "--no-scale") + ".amp", "rb") as f:
    want = f.read()
for name, ranges in (("scanned", []), ("ranged", ["--lines", "111:113", "--traces", "1:6"])):
    with open(load(name, per_line, "--no-scale", *ranges) + ".amp", "rb") as f:
        if f.read() != want:
            failures.append(f"one file per in-line ({name}) differs from the single file")

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
