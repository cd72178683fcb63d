#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes the default alert sounds into resources/.

Alarm1.wav is a short double beep, played again every second while a timer
rings; Alarm2.wav is a two-note chime, played once. Both are 16-bit mono PCM
at 22050 Hz, the same bytes on every run: python3 tools/make_sounds.py [folder]
"""
import math
import os
import struct
import sys

RATE = 22050


def wav(samples):
    data = b"".join(struct.pack("<h", max(-32767, min(32767, round(s * 32767))))
                    for s in samples)
    header = struct.pack("<4sI4s4sIHHIIHH4sI", b"RIFF", 36 + len(data), b"WAVE", b"fmt ", 16,
                         1, 1, RATE, RATE * 2, 2, 16, b"data", len(data))
    return header + data


def silence(seconds):
    return [0.0] * round(seconds * RATE)


def beep(seconds, frequency, level=0.5, edge=0.005):
    """A plain tone with soft edges, so it does not click."""
    n = round(seconds * RATE)
    ramp = round(edge * RATE)
    out = []
    for i in range(n):
        gain = min(1.0, i / ramp, (n - 1 - i) / ramp)
        out.append(level * gain * math.sin(2 * math.pi * frequency * i / RATE))
    return out


def strike(seconds, frequency, level=0.45):
    """A struck bell: a few partials dying away."""
    n = round(seconds * RATE)
    attack = round(0.004 * RATE)
    partials = [(1.0, 1.0), (2.0, 0.35), (3.0, 0.12)]
    out = []
    for i in range(n):
        t = i / RATE
        decay = math.exp(-t / 0.45) * min(1.0, i / attack)
        tone = sum(a * math.sin(2 * math.pi * frequency * k * t) for k, a in partials)
        out.append(level * decay * tone / 1.47)
    return out


def mix(*parts):
    """Lays (start in seconds, samples) pairs over one another."""
    length = max(round(start * RATE) + len(samples) for start, samples in parts)
    out = [0.0] * length
    for start, samples in parts:
        offset = round(start * RATE)
        for i, s in enumerate(samples):
            out[offset + i] += s
    return out


def alarm1():
    return beep(0.09, 1000) + silence(0.06) + beep(0.09, 1000) + silence(0.05)


def alarm2():
    return mix((0.0, strike(1.6, 784)), (0.45, strike(1.6, 659)))


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "..", "resources")
    os.makedirs(out, exist_ok=True)
    for name, samples in [("Alarm1.wav", alarm1()), ("Alarm2.wav", alarm2())]:
        with open(os.path.join(out, name), "wb") as f:
            f.write(wav(samples))


if __name__ == "__main__":
    main()
