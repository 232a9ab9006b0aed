"""Reading back what reached the sound server: loudness over time of a
recording of the null sink's monitor."""

import array
import math
import sys
import wave

BLOCK_SECONDS = 0.05
# Loudness as a fraction of full scale: speech and the feedback sounds are
# far above SPEAKING; a sink nobody plays to gives exact zeros, far below
# SILENT.
SPEAKING = 0.01
SILENT = 0.001


class Recording:
    """A mono 16-bit recording whose last sample was taken at `ended_at`
    (a time.monotonic() value)."""

    def __init__(self, path, ended_at):
        with wave.open(path, "rb") as w:
            if w.getnchannels() != 1 or w.getsampwidth() != 2:
                raise ValueError(f"{path}: expected mono 16-bit sound")
            self.rate = w.getframerate()
            data = w.readframes(w.getnframes())
        self.samples = array.array("h")
        self.samples.frombytes(data[: len(data) // 2 * 2])
        if sys.byteorder != "little":
            self.samples.byteswap()
        self.ended_at = ended_at
        self.started_at = ended_at - len(self.samples) / self.rate

    def _index(self, t):
        i = round((t - self.started_at) * self.rate)
        return min(max(i, 0), len(self.samples))

    def loudest(self, t0, t1):
        """The highest loudness (RMS, fraction of full scale) of any 50 ms
        block between the times t0 and t1; 0 when the span holds no sound."""
        start, end = self._index(t0), self._index(t1)
        block = max(1, int(self.rate * BLOCK_SECONDS))
        best = 0.0
        for i in range(start, end, block):
            chunk = self.samples[i:min(i + block, end)]
            if chunk:
                rms = math.sqrt(sum(s * s for s in chunk) / len(chunk)) / 32768.0
                best = max(best, rms)
        return best

    def covers(self, t0, t1):
        return self.started_at <= t0 and t1 <= self.ended_at
