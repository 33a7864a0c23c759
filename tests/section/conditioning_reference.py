#!/usr/bin/env python3
"""Independent reference for the trace conditioning steps, written from their
formulas with numpy's FFT and plain loops, in double precision.

usage: conditioning_reference.py STEP IN OUT NT DT_MS NFFT [ARGS...]
  IN holds traces of NT little-endian int16 samples; OUT receives the
  conditioned traces in the same layout, followed (for the attributes) by a
  byte mask of the samples whose value is well conditioned (1) rather than
  at a wrap of the phase or where the envelope vanishes (0).
STEP and ARGS: filter F1 F2 F3 F4 | phase DEG | agc WINDOW_MS SCALE |
               attribute MODE (1 amplitude, 2 phase, 3 frequency)
"""
import math
import sys

import numpy as np


def to_int16(values):
    return np.clip(np.trunc(values), -32768, 32767).astype("<i2")


def polygon(freqs, amps, nfft, dt):
    nf = nfft // 2 + 1
    onfft = float(np.float32(1.0) / np.float32(nfft))
    df = onfft / dt
    k = [min(int(math.floor(f / df + 0.5)), nf - 1) for f in freqs]
    filt = np.zeros(nf)
    filt[: k[0]] = amps[0] * onfft
    tapered = False
    for i in range(len(freqs) - 1):
        c = (math.pi / 2) / (k[i + 1] - k[i] + 2)
        a0, a1 = amps[i], amps[i + 1]
        for j in range(k[i], k[i + 1] + 1):
            if a0 < a1:
                s = math.sin(c * (j - k[i] + 1))
                filt[j] = (a0 + (a1 - a0) * s * s) * onfft
            elif a0 > a1:
                s = math.sin(c * (k[i + 1] - j + 1))
                filt[j] = (a1 + (a0 - a1) * s * s) * onfft
            elif not tapered or j > k[i]:
                filt[j] = a0 * onfft
        tapered = tapered or a0 != a1
    filt[k[-1] + 1 :] = amps[-1] * onfft
    return filt


def spectral(trace, nfft, factors):
    # The system's forward transform has the kernel exp(+2 pi i jk/n) and its
    # inverse exp(-2 pi i jk/n), unnormalised: conjugate numpy's convention.
    padded = np.zeros(nfft)
    padded[: len(trace)] = trace
    ours = np.conj(np.fft.rfft(padded)) * factors
    back = np.fft.irfft(np.conj(ours), nfft) * nfft
    return to_int16(back[: len(trace)])


def band_pass(trace, dt, nfft, corners):
    return spectral(trace, nfft, polygon(corners, [0.0, 1.0, 1.0, 0.0], nfft, dt))


def phase_rotation(trace, nfft, degrees):
    factor = np.exp(1j * (degrees / 180.0) * math.pi) / nfft
    return spectral(trace, nfft, np.full(nfft // 2 + 1, factor))


def agc(trace, dt_ms, window_ms, scale):
    x = trace.astype(float)
    nt = len(x)
    h = min(max(int(window_ms / dt_ms), 0), (nt - 1) // 2)
    if scale == 0:
        scale = 1.0
    out = np.zeros(nt)
    for i in range(nt):
        lo, hi = max(0, i - h), min(nt - 1, i + h)
        mean_square = np.sum(x[lo : hi + 1] ** 2) / (hi - lo + 1)
        out[i] = x[i] / math.sqrt(mean_square) if mean_square > 0 else 0.0
    return to_int16(out * scale)


def hilbert_taps():
    h = np.zeros(61)
    for i in range(1, 31):
        taper = 0.54 + 0.46 * math.cos(math.pi * i / 30)
        h[30 + i] = taper * (-(i % 2) * 2.0 / (math.pi * i))
        h[30 - i] = -h[30 + i]
    return h


def attribute(trace, dt, mode):
    re = trace.astype(float)
    nt = len(re)
    im = np.convolve(re, hilbert_taps())[30 : 30 + nt]
    envelope = np.sqrt(re * re + im * im)
    floor = 1e-4 * max(envelope.max(), 1.0)
    phase = np.where(envelope == 0, 0.0, np.arctan2(im, re))
    near_wrap = np.abs(np.abs(phase) - math.pi) < math.radians(2)
    stable = (envelope > floor) | (envelope == 0)
    if mode == 1:
        return to_int16(envelope), np.ones(nt, dtype=np.uint8)
    if mode == 2:
        return to_int16(phase * 180 / math.pi), (stable & ~near_wrap).astype(np.uint8)
    step = 2 * math.pi * dt
    slope = np.empty(nt)
    slope[0] = (phase[1] - phase[0]) / step
    slope[1:-1] = (phase[2:] - phase[:-2]) / (2 * step)
    slope[-1] = (phase[-1] - phase[-2]) / step
    ok = stable & ~near_wrap
    neighbours_ok = ok.copy()
    neighbours_ok[1:] &= ok[:-1]
    neighbours_ok[:-1] &= ok[1:]
    return to_int16(slope * 180 / math.pi), neighbours_ok.astype(np.uint8)


def main(argv):
    step, path_in, path_out = argv[1], argv[2], argv[3]
    nt, dt_ms, nfft = int(argv[4]), float(argv[5]), int(argv[6])
    args = [float(a) for a in argv[7:]]
    traces = np.fromfile(path_in, dtype="<i2").reshape(-1, nt)
    dt = dt_ms / 1000.0
    results, masks = [], []
    for trace in traces:
        if step == "filter":
            results.append(band_pass(trace, dt, nfft, args))
        elif step == "phase":
            results.append(phase_rotation(trace, nfft, args[0]))
        elif step == "agc":
            results.append(agc(trace, dt_ms, args[0], args[1]))
        elif step == "attribute":
            values, mask = attribute(trace, dt, int(args[0]))
            results.append(values)
            masks.append(mask)
        else:
            sys.exit("unknown step " + step)
    with open(path_out, "wb") as out:
        out.write(np.concatenate(results).astype("<i2").tobytes())
        if masks:
            out.write(np.concatenate(masks).tobytes())


if __name__ == "__main__":
    main(sys.argv)
