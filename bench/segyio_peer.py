"""The peer of the load benchmark: reads every trace of a SEG-Y file with
segyio (IBM conversion included) and writes them as 16-bit integers into one
file."""
import sys

import segyio

source, target = sys.argv[1], sys.argv[2]
with segyio.open(source, ignore_geometry=True) as f, open(target, "wb") as out:
    for trace in f.trace:
        out.write(trace.astype("<i2").tobytes())
