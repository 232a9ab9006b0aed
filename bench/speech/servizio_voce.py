"""The desktop's speech service for the speech figure of
bench/run-benchmarks.sh, started as the end-to-end stage starts it
(tests/e2e/speech_service.py): festival's server and speech-dispatcher for
the desktop session whose runtime folder is argv[1], their files in argv[2].
Prints "ready" once the service lists festival's voices; runs until ended."""

import os
import signal
import sys
import types
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parents[2] / "tests" / "e2e"))
import speech_service  # noqa: E402
from harness import Processes  # noqa: E402

runtime, out = sys.argv[1:3]
os.makedirs(out, exist_ok=True)
session = types.SimpleNamespace(runtime=runtime, out=out, logs=out,
                                processes=Processes(os.environ, out))
signal.signal(signal.SIGTERM, lambda *_: sys.exit(0))
try:
    speech_service.start(session)
    print("ready", flush=True)
    signal.pause()
finally:
    session.processes.stop_since(0)
