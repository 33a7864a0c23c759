#!/usr/bin/env bash
# Load benchmark: wall time of "ingestor load" on a 4 GB IBM-float SEG-Y file
# (1000 x 1000 traces of 1000 samples) against cat of the file and a segyio
# script that reads every trace and writes 16-bit integers, measured in the
# same run: on one thread with the calculated scale value and with --scale
# given, and on every core. Prints the times, their ratios and the loader's
# peak memory.
# Run by bench/run with BUILD set; arguments: [LINES TRACES SAMPLES].
set -euo pipefail
build=${BUILD:-build-bench}
python=/usr/bin/python3
[ -x "$python" ] || python=python3
lines=${1:-1000} traces=${2:-1000} samples=${3:-1000}
work=$(mktemp -d "${TMPDIR:-/tmp}/quarrix-bench.XXXXXX")
trap 'rm -rf "$work"' EXIT
"$build/bench/make_segy" "$work/in.sgy" "$lines" "$traces" "$samples"
echo "input: $(du -h "$work/in.sgy" | cut -f1) ($lines x $traces traces, $samples samples, IBM float)"
cat "$work/in.sgy" >/dev/null  # both runs start with the file in the page cache

exec "$python" - "$build/bin/ingestor" "$work" <<'PY'
import os, subprocess, sys, time
ingestor, work = sys.argv[1], sys.argv[2]
def timed(cmd):
    """Wall time, peak resident memory (MiB) and CPU time of one command."""
    start = time.perf_counter()
    child = subprocess.Popen(cmd, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    _, status, usage = os.wait4(child.pid, 0)
    if status != 0:
        sys.exit(f"failed: {' '.join(cmd)}")
    return time.perf_counter() - start, usage.ru_maxrss / 1024, usage.ru_utime + usage.ru_stime
def best(cmd, after=None):
    """Best wall time and best CPU time of three runs."""
    walls, cpus = [], []
    for run in range(3):
        wall, _, cpu = timed(cmd)
        walls.append(wall)
        cpus.append(cpu)
        if after:
            subprocess.run(after)
    return min(walls), min(cpus)
cat = best(["cat", f"{work}/in.sgy"])
load = [ingestor, "load", f"{work}/in.sgy", "--project", f"{work}/p/p",
        "--line-word", "189", "--trace-word", "193"]
clean = ["rm", "-rf", f"{work}/p", f"{work}/peer.i16"]
cores = os.cpu_count() or 1
peak = timed(load + ["--threads", "1"])[1]
subprocess.run(clean)
jobs = [("ingestor load, 1 thread, calculated scale", load + ["--threads", "1"]),
        ("ingestor load, 1 thread, --scale given", load + ["--threads", "1", "--scale", "1000"]),
        (f"ingestor load, {cores} threads, calculated scale", load + ["--threads", str(cores)]),
        (f"ingestor load, {cores} threads, --scale given",
         load + ["--threads", str(cores), "--scale", "1000"])]
peer = best([sys.executable, os.path.join(os.getcwd(), "bench", "segyio_peer.py"),
             f"{work}/in.sgy", f"{work}/peer.i16"], clean)
idle = timed([ingestor, "--help"])[1]
# On a machine shared with other work the wall times stretch with the load;
# the CPU times (user + system) say what the work itself costs.
print(f"cat of the input: wall {cat[0]:.2f} s, CPU {cat[1]:.2f} s; "
      f"segyio peer: wall {peer[0]:.2f} s, CPU {peer[1]:.2f} s (best of 3 each)")
for name, cmd in jobs:
    wall, cpu = best(cmd, clean)
    print(f"{name}: wall {wall:.2f} s ({wall / cat[0]:.1f} x cat, {wall / peer[0]:.2f} x segyio); "
          f"CPU {cpu:.2f} s ({cpu / cat[1]:.1f} x cat, {cpu / peer[1]:.2f} x segyio)")
print(f"peak memory {peak:.1f} MiB, {idle:.1f} MiB of it the program before it reads anything")
PY
