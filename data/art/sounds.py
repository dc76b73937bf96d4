"""The game sounds, synthesised: short, soft, and free of clicks.

Each recipe gives a list of samples in -1..1 at RATE; write_wav stores them
as 16-bit mono PCM. Noise comes from a seeded generator, so every build
writes the same bytes.
"""

import math
import random
import struct
import wave

RATE = 44100
VOLUME = 0.45


def envelope(i, n, attack, decay):
    """Short fade in, exponential fade out, and a last fade to silence."""
    t = i / float(RATE)
    a = min(1.0, t / attack) if attack > 0 else 1.0
    tail = min(1.0, (n - i) / (0.004 * RATE))
    return a * math.exp(-t / decay) * tail


def sweep(duration, f0, f1, decay, harmonics=((1, 1.0),), attack=0.003):
    n = int(duration * RATE)
    out = []
    phase = 0.0
    for i in range(n):
        k = i / float(n)
        f = f0 * (f1 / f0) ** k
        phase += 2 * math.pi * f / RATE
        v = sum(a * math.sin(h * phase) for h, a in harmonics)
        out.append(v * envelope(i, n, attack, decay))
    return out


def button():
    # A round little pop: a quick downward chirp with a soft overtone.
    return sweep(0.09, 1100, 620, 0.025, ((1, 1.0), (2, 0.2)))


def start_drag():
    # A rising blip, like picking something up with a smile.
    return sweep(0.2, 420, 980, 0.09, ((1, 1.0), (3, 0.08)), attack=0.01)


def take_off():
    # A light lift: a quick, airy upward chirp, quieter than the drag.
    tone = sweep(0.15, 700, 1500, 0.05, ((1, 0.7), (2, 0.1)), attack=0.006)
    rnd = random.Random(7)
    air = 0.0
    out = []
    for i, v in enumerate(tone):
        air = 0.85 * air + 0.15 * rnd.uniform(-1, 1)
        out.append(v + 0.25 * air * envelope(i, len(tone), 0.01, 0.03))
    return out


def drop():
    # A soft wooden thunk: a low body, a woody partial and a muffled knock.
    n = int(0.22 * RATE)
    rnd = random.Random(3)
    knock = 0.0
    out = []
    for i in range(n):
        t = i / float(RATE)
        f = 150 + 60 * math.exp(-t / 0.02)
        body = math.sin(2 * math.pi * f * t) * envelope(i, n, 0.002, 0.06)
        wood = 0.35 * math.sin(2 * math.pi * 415 * t) * envelope(i, n, 0.001, 0.02)
        knock = 0.7 * knock + 0.3 * rnd.uniform(-1, 1)
        out.append(body + wood + 0.5 * knock * envelope(i, n, 0.0005, 0.008))
    return out


def tick():
    # The highlight moving on: a short, soft wooden tick.
    return sweep(0.04, 1800, 1500, 0.008, ((1, 1.0), (2, 0.15)), attack=0.001)


def write_wav(file_name, samples):
    peak = max(1e-9, max(abs(v) for v in samples))
    scale = VOLUME * 32767 / peak
    frames = b"".join(struct.pack("<h", int(round(v * scale))) for v in samples)
    with wave.open(file_name, "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(RATE)
        w.writeframes(frames)


SOUNDS = {
    "button": button,
    "startDrag": start_drag,
    "drop": drop,
    "takeOff": take_off,
    "tick": tick,
}
