#!/usr/bin/env python3
"""Synthesises the short wave files shipped in data/Sounds."""
import math
import random
import struct
import sys
import wave
from pathlib import Path

RATE = 11025


def write(path, samples):
    with wave.open(str(path), "wb") as out:
        out.setnchannels(1)
        out.setsampwidth(2)
        out.setframerate(RATE)
        out.writeframes(b"".join(struct.pack("<h", max(-32767, min(32767, int(s * 32767)))) for s in samples))


def envelope(i, n, attack=0.01, release=0.3):
    t = i / RATE
    total = n / RATE
    if t < attack:
        return t / attack
    return max(0.0, 1.0 - max(0.0, t - (total - release)) / release)


def tone(freqs, seconds, volume=0.5, decay=3.0):
    n = int(seconds * RATE)
    out = []
    for i in range(n):
        t = i / RATE
        v = sum(math.sin(2 * math.pi * f * t) for f in freqs) / len(freqs)
        out.append(volume * v * math.exp(-decay * t) * envelope(i, n, release=0.05))
    return out


def thunder(seconds=2.6):
    random.seed(7)
    n = int(seconds * RATE)
    out, low, lower = [], 0.0, 0.0
    for i in range(n):
        t = i / RATE
        noise = random.uniform(-1, 1)
        low += 0.04 * (noise - low)          # rumble: heavily low-passed noise
        lower += 0.2 * (low - lower)
        crack = noise * math.exp(-25 * t) * 0.5 if t < 0.3 else 0.0
        swell = (1 - math.exp(-8 * t)) * math.exp(-1.4 * t) * (1 + 0.4 * math.sin(2 * math.pi * 1.7 * t))
        out.append(max(-1.0, min(1.0, 6.0 * lower * swell + crack)))
    return out


def main(folder):
    folder = Path(folder)
    folder.mkdir(parents=True, exist_ok=True)
    write(folder / "Thunder.wav", thunder())
    write(folder / "Chime.wav", tone([880, 1320], 0.9, decay=3.5))
    write(folder / "Ding.wav", tone([1046.5], 0.5, decay=6.0))
    alert = tone([740], 0.18, decay=0.5) + [0.0] * int(0.08 * RATE) + tone([740], 0.18, decay=0.5)
    write(folder / "Alert.wav", alert + [0.0] * int(0.08 * RATE) + alert)
    write(folder / "Startup.wav", tone([523.3], 0.15, decay=1) + tone([659.3], 0.15, decay=1)
          + tone([784.0], 0.35, decay=3))


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else Path(__file__).resolve().parent.parent / "data" / "Sounds")
