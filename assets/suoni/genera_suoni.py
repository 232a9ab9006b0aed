#!/usr/bin/env python3
"""Synthesizes the program's feedback sounds: four short cheerful praise
jingles (si1.wav .. si4.wav) and one gentle error sound (no.wav).

Each sound is a few soft sine notes with their overtones, shaped by a quick
attack and an exponential decay so that nothing clicks. Run it from any
folder; it writes the WAV files beside itself (16-bit mono, 22050 Hz).
"""
import math
import os
import struct
import wave

RATE = 22050


def nota(freq, durata, volume=0.5, armoniche=(1.0, 0.35, 0.12)):
    n = int(RATE * durata)
    campioni = []
    for i in range(n):
        t = i / RATE
        attacco = min(1.0, t / 0.008)
        inviluppo = attacco * math.exp(-4.0 * t / durata)
        v = sum(a * math.sin(2 * math.pi * freq * (k + 1) * t) for k, a in enumerate(armoniche))
        campioni.append(volume * inviluppo * v / sum(armoniche))
    return campioni


def pausa(durata):
    return [0.0] * int(RATE * durata)


def scivolo(f0, f1, durata, volume=0.45):
    """A gliding tone from f0 to f1 Hz, for the error sound."""
    n = int(RATE * durata)
    fase = 0.0
    campioni = []
    for i in range(n):
        t = i / RATE
        f = f0 + (f1 - f0) * (i / n)
        fase += 2 * math.pi * f / RATE
        attacco = min(1.0, t / 0.02)
        rilascio = min(1.0, (durata - t) / 0.08)
        campioni.append(volume * attacco * rilascio * (math.sin(fase) + 0.2 * math.sin(2 * fase)) / 1.2)
    return campioni


def scrivi(nome, campioni):
    percorso = os.path.join(os.path.dirname(os.path.abspath(__file__)), nome)
    with wave.open(percorso, "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(RATE)
        dati = b"".join(struct.pack("<h", int(max(-1.0, min(1.0, c)) * 32000)) for c in campioni)
        w.writeframes(dati)


DO, MI, SOL, LA, DO2, MI2, SOL2 = 523.25, 659.25, 783.99, 880.0, 1046.5, 1318.5, 1568.0

SUONI = {
    # An arpeggio going up.
    "si1.wav": nota(DO, 0.12) + nota(MI, 0.12) + nota(SOL, 0.12) + nota(DO2, 0.35),
    # Two bright bells.
    "si2.wav": nota(SOL, 0.15) + pausa(0.03) + nota(MI2, 0.45, armoniche=(1.0, 0.5, 0.25, 0.1)),
    # A quick trill and a landing note.
    "si3.wav": nota(MI2, 0.07) + nota(SOL2, 0.07) + nota(MI2, 0.07) + nota(SOL2, 0.07) + nota(DO2, 0.4),
    # "Ta-da".
    "si4.wav": nota(SOL, 0.1) + pausa(0.04) + nota(DO2, 0.1) + nota(LA, 0.1) + nota(DO2, 0.4),
    # A soft falling "uh-oh", never harsh.
    "no.wav": scivolo(392.0, 370.0, 0.18) + pausa(0.05) + scivolo(330.0, 262.0, 0.35),
}

if __name__ == "__main__":
    for nome, campioni in SUONI.items():
        scrivi(nome, campioni)
        print(nome, f"{len(campioni) / RATE:.2f} s")
