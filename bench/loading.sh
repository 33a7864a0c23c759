#!/usr/bin/env bash
# Load benchmark: wall time of "ingestor load" on a 1 GiB IBM-float SEG-Y file
# against a segyio script that reads every trace and writes 16-bit integers,
# measured in the same run. Prints both times, their ratio and the loader's
# peak memory. Run by bench/run with BUILD set; arguments: [LINES TRACES SAMPLES].
set -euo pipefail
build=${BUILD:-build-bench}
python=/usr/bin/python3
[ -x "$python" ] || python=python3
lines=${1:-500} traces=${2:-506} samples=${3:-1000}
work=$(mktemp -d "${TMPDIR:-/tmp}/quarrix-bench.XXXXXX")
trap 'rm -rf "$work"' EXIT
"$build/bench/make_segy" "$work/in.sgy" "$lines" "$traces" "$samples"
echo "input: $(du -h "$work/in.sgy" | cut -f1) ($lines x $traces traces, $samples samples, IBM float)"
cat "$work/in.sgy" >/dev/null  # both runs start with the file in the page cache

exec "$python" - "$build/bin/ingestor" "$work" <<'PY'
import os, subprocess, sys, time
ingestor, work = sys.argv[1], sys.argv[2]
def timed(cmd):
    """Wall time and peak resident memory (MiB) of one command."""
    start = time.perf_counter()
    child = subprocess.Popen(cmd, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    _, status, usage = os.wait4(child.pid, 0)
    if status != 0:
        sys.exit(f"failed: {' '.join(cmd)}")
    return time.perf_counter() - start, usage.ru_maxrss / 1024
ours, peer = [], []
for run in range(3):
    seconds, peak = timed([ingestor, "load", f"{work}/in.sgy", "--project", f"{work}/p{run}",
                           "--line-word", "189", "--trace-word", "193"])
    ours.append(seconds)
    peer.append(timed([sys.executable, os.path.join(os.getcwd(), "bench", "segyio_peer.py"),
                       f"{work}/in.sgy", f"{work}/peer.i16"])[0])
    subprocess.run(["rm", "-rf", f"{work}/p{run}", f"{work}/peer.i16"])
idle = timed([ingestor, "--help"])[1]
best_ours, best_peer = min(ours), min(peer)
print(f"ingestor load: {best_ours:.2f} s (best of 3; peak memory {peak:.1f} MiB, "
      f"{idle:.1f} MiB of it the program before it reads anything)")
print(f"segyio peer:   {best_peer:.2f} s (best of 3)")
print(f"ratio ingestor / segyio: {best_ours / best_peer:.2f}")
PY
