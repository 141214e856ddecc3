"""The helicopter's engine sound, "motor.wav": a rotor's beat over a low hum, made from a fixed
pseudo-random sequence so that it comes out the same every time."""

import math

from . import imagefile

RATE = 11025
SECONDS = 1.6


def motor():
    n = int(RATE * SECONDS)
    state = 12345
    low = 0.0
    samples = []
    for i in range(n):
        state = (state * 1103515245 + 12345) & 0x7FFFFFFF
        white = state / 0x3FFFFFFF - 1.0
        low += (white - low) * 0.08  # a low-passed rush of air
        t = i / RATE
        beat = 0.5 + 0.5 * math.cos(2 * math.pi * 11.0 * t)  # blade passes
        beat = beat ** 3
        hum = 0.35 * math.sin(2 * math.pi * 70.0 * t) + 0.15 * math.sin(2 * math.pi * 140.0 * t)
        v = (1.9 * low * (0.25 + beat) + hum * (0.5 + 0.5 * beat))
        # fade in and out so that the loop has no click
        edge = min(1.0, t / 0.05, (SECONDS - t) / 0.08)
        v *= 0.8 * edge
        samples.append(max(0, min(255, int(round(128 + 110 * v)))))
    return imagefile.wav(samples, RATE)
