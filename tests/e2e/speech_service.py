"""The desktop's speech service for the stage: a festival server and a
speech-dispatcher of the stage's own, on a private configuration whose sound
goes to the stage's recorded null sink; and, in its place, a service that
takes connections and never answers."""

import contextlib
import os
import re
import socket
import subprocess
import threading

from services import StageFailure, wait_for

FESTIVAL_VOICES = ["lp_diphone (festival)", "pc_diphone (festival)"]


def playing(stage):
    """The programs whose streams the sound server plays now."""
    listing = subprocess.run(["pactl", "list", "sink-inputs"], env=stage.processes.env,
                             capture_output=True, text=True, timeout=10).stdout
    return [m.group(1) for block in listing.split("Sink Input #")[1:] if "Corked: no" in block
            for m in [re.search(r'application\.process\.binary = "([^"]*)"', block)] if m]


def socket_path(stage):
    """Where programs of this desktop session look for the service."""
    return os.path.join(stage.runtime, "speech-dispatcher", "speechd.sock")


def _ask(path, *commands):
    """The service's answer lines to each command, over one connection."""
    with socket.socket(socket.AF_UNIX) as s:
        s.settimeout(5)
        s.connect(path)
        stream = s.makefile("rwb")
        answers = []
        for command in ("SET SELF CLIENT_NAME stage:stage:main",) + commands:
            stream.write(command.encode() + b"\r\n")
            stream.flush()
            lines = []
            while not lines or lines[-1][3:4] == "-":
                lines.append(stream.readline().decode().rstrip("\r\n"))
            answers.append(lines)
        return answers


def start(stage):
    """Starts festival's server and speech-dispatcher (ended with the
    scenario) and returns once the service lists festival's voices."""
    with socket.socket() as s:  # a free port for festival's server
        s.bind(("127.0.0.1", 0))
        port = s.getsockname()[1]
    stage.processes.start("festival-server", ["festival", "--server", f"(set! server_port {port})"])
    wait_for(lambda: socket.create_connection(("127.0.0.1", port), 1).close() or True, 20,
             "festival's server to take connections")

    config = os.path.join(stage.out, "speech-dispatcher")
    os.makedirs(os.path.join(config, "modules"), exist_ok=True)
    with open(os.path.join(config, "speechd.conf"), "w") as f:
        f.write(f'LogDir "{stage.logs}"\nAudioOutputMethod "pulse"\n'
                # espeak-ng's voices too, which the program must leave out.
                'AddModule "espeak-ng" "sd_espeak-ng" "espeak-ng.conf"\n'
                'AddModule "festival" "sd_festival" "festival.conf"\n')
    with open(os.path.join(config, "modules", "festival.conf"), "w") as f:
        f.write(f'FestivalServerHost "localhost"\nFestivalServerPort {port}\n')
    open(os.path.join(config, "modules", "espeak-ng.conf"), "w").close()
    # No timeout: the service stays between two runs of the program.
    stage.processes.start("speech-dispatcher",
                          ["speech-dispatcher", "--run-single", "--timeout", "0",
                           "--config-dir", config])
    listed = wait_for(lambda: _ask(socket_path(stage), "SET SELF OUTPUT_MODULE festival",
                                   "LIST SYNTHESIS_VOICES")[-1], 20,
                      "speech-dispatcher to list festival's voices")
    names = sorted(f"{line[4:].split(chr(9))[0]} (festival)" for line in listed[:-1])
    if names != FESTIVAL_VOICES:
        raise StageFailure(f"speech-dispatcher lists {names} for festival, not {FESTIVAL_VOICES}")


@contextlib.contextmanager
def hung(stage):
    """A service that takes every connection and never answers."""
    path = socket_path(stage)
    os.makedirs(os.path.dirname(path), exist_ok=True)
    listener = socket.socket(socket.AF_UNIX)
    listener.bind(path)
    listener.listen()
    held = []

    def hold():
        with contextlib.suppress(OSError):
            while True:
                held.append(listener.accept()[0])

    threading.Thread(target=hold, daemon=True).start()
    try:
        yield
    finally:
        listener.shutdown(socket.SHUT_RDWR)  # wakes the accept() waiting
        listener.close()
        os.remove(path)
        for connection in held:
            connection.close()


if __name__ == "__main__":
    # bench/run-benchmarks.sh: the service for the desktop session whose
    # runtime folder is argv[1], with its files in argv[2], until ended.
    import signal
    import sys
    import types

    from services import Processes

    runtime, out = sys.argv[1:3]
    os.makedirs(out, exist_ok=True)
    session = types.SimpleNamespace(runtime=runtime, out=out, logs=out,
                                    processes=Processes(os.environ, "bench", out))
    signal.signal(signal.SIGTERM, lambda *_: sys.exit(0))
    try:
        start(session)
        print("ready", flush=True)
        signal.pause()
    finally:
        session.processes.stop_all()
