"""The desktop's speech service for the stage and the speech benchmark
(bench/speech/servizio_voce.py): festival's server and speech-dispatcher on a
private configuration, and in their place, a service that takes connections
and never answers."""

import contextlib
import os
import re
import shutil
import signal
import socket
from pathlib import Path

from harness import expect, run_quiet, wait_for

FESTIVAL_VOICES = ["lp_diphone (festival)", "pc_diphone (festival)"]


def playing(stage):
    """The programs whose streams the sound server plays now."""
    listing = run_quiet(["pactl", "list", "sink-inputs"], stage.processes.env).stdout
    return [m[1] for block in listing.split("Sink Input #")[1:] if "Corked: no" in block
            for m in [re.search(r'application\.process\.binary = "([^"]*)"', block)] if m]


def socket_path(stage):  # where the programs of the desktop session look for it
    return os.path.join(stage.runtime, "speech-dispatcher", "speechd.sock")


def festival_voices(path):
    """The voices the service at path lists for its festival module."""
    with socket.socket(socket.AF_UNIX) as s:
        s.settimeout(5)
        s.connect(path)
        s.sendall(b"SET SELF CLIENT_NAME stage:stage:main\r\nSET SELF OUTPUT_MODULE festival\r\n"
                  b"LIST SYNTHESIS_VOICES\r\n")
        stream, lines = s.makefile("rb"), []
        while sum(line[3:4] != "-" for line in lines) < 3:  # an answer ends in "NNN text"
            lines.append(stream.readline().decode().rstrip("\r\n"))
        return sorted(f"{line[4:].split(chr(9))[0]} (festival)"
                      for line in lines if line[:4] == "249-")


def configure(stage, config):
    """Starts festival's server (ended with the check) and writes a
    configuration for speech-dispatcher into config that speaks with it."""
    with socket.socket() as s:  # a free port for festival's server
        s.bind(("127.0.0.1", 0))
        port = s.getsockname()[1]
    stage.processes.start("festival-server",
                          ["festival", "--server", f"(set! server_port {port})"])
    wait_for(lambda: socket.create_connection(("127.0.0.1", port), 1).close() or True, 20,
             "festival's server to take connections")
    (config / "modules").mkdir(parents=True, exist_ok=True)
    (config / "speechd.conf").write_text(
        f'LogDir "{stage.logs}"\nAudioOutputMethod "pulse"\n'
        # espeak-ng's voices too, which the program must leave out.
        'AddModule "espeak-ng" "sd_espeak-ng" "espeak-ng.conf"\n'
        'AddModule "festival" "sd_festival" "festival.conf"\n')
    (config / "modules/festival.conf").write_text(
        f'FestivalServerHost "localhost"\nFestivalServerPort {port}\n')
    (config / "modules/espeak-ng.conf").write_text("")


def start(stage):
    """Starts festival's server and speech-dispatcher (ended with the check)
    and returns once the service lists festival's voices."""
    config = Path(stage.out, "speech-dispatcher")
    configure(stage, config)
    # No timeout: the service stays between two runs of the program.
    stage.processes.start("speech-dispatcher", ["speech-dispatcher", "--run-single",
                                                "--timeout", "0", "--config-dir", str(config)])
    names = wait_for(lambda: festival_voices(socket_path(stage)), 20,
                     "speech-dispatcher to list festival's voices")
    expect(names == FESTIVAL_VOICES, f"speech-dispatcher lists {names}, not {FESTIVAL_VOICES}")


@contextlib.contextmanager
def startable(stage):
    """speech-dispatcher installed, not running, its user configuration
    speaking with festival's server; the services programs start are ended."""
    config = Path(stage.processes.env["XDG_CONFIG_HOME"], "speech-dispatcher")
    configure(stage, config)
    stage.processes.env["SPEECHD_CMD"], absent = shutil.which("speech-dispatcher"), \
        stage.processes.env["SPEECHD_CMD"]
    try:
        yield
    finally:
        stage.processes.env["SPEECHD_CMD"] = absent
        shutil.rmtree(config)
        for pid, command in stage.processes.leftovers():  # started by the program: ours
            if "speech-dispatcher" in command:
                os.kill(pid, signal.SIGTERM)


@contextlib.contextmanager
def hung(stage):
    """A service that takes connections (the kernel queues them) and never answers."""
    os.makedirs(os.path.dirname(socket_path(stage)), exist_ok=True)
    with socket.socket(socket.AF_UNIX) as listener:
        listener.bind(socket_path(stage))
        listener.listen(64)
        try:
            yield
        finally:
            os.remove(socket_path(stage))

