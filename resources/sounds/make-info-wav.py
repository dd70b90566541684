#!/usr/bin/env python3
"""Writes info.wav, the notification chime, beside this script.

Two bell-like tones a fifth apart (E6 then B6), each with a soft attack and an
exponential decay, the whole faded out to silence at the end so the chime
never clicks. Mono 16-bit PCM at 22050 Hz keeps the file small. The output
is deterministic, so rerunning the script reproduces the committed file.
"""

import math
import os
import struct
import wave

RATE = 22050
LENGTH = 0.6  # seconds
PEAK = 0.45  # of full scale, so the chime is not startling

# (start in seconds, frequency in Hz, decay time constant in seconds)
NOTES = ((0.0, 1318.5, 0.16), (0.12, 1975.5, 0.2))
ATTACK = 0.006
FADE_OUT = 0.15


def note_sample(t, freq, decay):
    if t < 0.0:
        return 0.0
    attack = min(1.0, t / ATTACK)
    envelope = attack * math.exp(-t / decay)
    # A quiet octave partial gives the sine a bell's brightness.
    tone = math.sin(2 * math.pi * freq * t) + 0.25 * math.sin(4 * math.pi * freq * t)
    return envelope * tone / 1.25


def chime():
    count = int(RATE * LENGTH)
    fade_start = LENGTH - FADE_OUT
    samples = []
    for i in range(count):
        t = i / RATE
        value = sum(note_sample(t - start, freq, decay) for start, freq, decay in NOTES)
        if t > fade_start:
            value *= 0.5 * (1 + math.cos(math.pi * (t - fade_start) / FADE_OUT))
        samples.append(value)
    scale = PEAK / max(abs(v) for v in samples)
    return [int(round(v * scale * 32767)) for v in samples]


def main():
    path = os.path.join(os.path.dirname(os.path.abspath(__file__)), "info.wav")
    samples = chime()
    with wave.open(path, "wb") as out:
        out.setnchannels(1)
        out.setsampwidth(2)
        out.setframerate(RATE)
        out.writeframes(struct.pack("<%dh" % len(samples), *samples))


if __name__ == "__main__":
    main()
