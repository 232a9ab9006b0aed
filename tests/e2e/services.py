"""The real components the end-to-end stage runs the program among.

Each component is started here and ended here: the accessibility bus, a
PulseAudio server with a null sink, a recorder on that sink's monitor, and the
installed program itself. Everything started carries a marker in its
environment, so that at the end the stage can find (and end) any process that
was left behind, also one started indirectly, such as a bus-activated daemon.
"""

import os
import re
import signal
import subprocess
import threading
import time

MARKER = "ERTAVINO_E2E_RUN"


class StageFailure(Exception):
    """A check of the stage did not hold; the message says what was expected."""


def wait_for(condition, timeout, what, interval=0.05):
    """Returns the first true value of condition(), polled until timeout
    seconds have passed. A condition that raises counts as not yet true; the
    last such error is named in the failure."""
    deadline = time.monotonic() + timeout
    last_error = None
    while True:
        try:
            value = condition()
            if value:
                return value
        except StageFailure:
            raise
        except Exception as error:  # the accessibility tree changes under us
            last_error = error
        if time.monotonic() >= deadline:
            detail = f" (last error: {last_error})" if last_error else ""
            raise StageFailure(f"timed out after {timeout:g} s waiting for {what}{detail}")
        time.sleep(interval)


class Processes:
    """Starts processes with the stage's marker and ends them in reverse order."""

    def __init__(self, env, token, logdir):
        self.env = dict(env)
        self.env[MARKER] = token
        self.token = token
        self.logdir = logdir
        self.started = []

    def start(self, name, argv, extra_env=None, **popen):
        env = dict(self.env)
        env.update(extra_env or {})
        if "stdout" not in popen:
            popen["stdout"] = open(os.path.join(self.logdir, name + ".log"), "ab")
            popen.setdefault("stderr", subprocess.STDOUT)
        proc = subprocess.Popen(argv, env=env, stdin=subprocess.DEVNULL, **popen)
        self.started.append((name, proc))
        return proc

    @staticmethod
    def stop(proc, sig=signal.SIGTERM, timeout=5.0):
        """Ends one process: sig first, SIGKILL if it is still there after
        timeout seconds. Returns its exit status."""
        if proc.poll() is None:
            try:
                proc.send_signal(sig)
                proc.wait(timeout)
            except subprocess.TimeoutExpired:
                proc.kill()
                proc.wait(timeout)
        return proc.returncode

    def mark(self):
        return len(self.started)

    def stop_since(self, mark):
        """Ends the processes started after mark(), the latest first."""
        while len(self.started) > mark:
            _name, proc = self.started.pop()
            self.stop(proc)

    def stop_all(self):
        self.stop_since(0)

    def leftovers(self):
        """Processes other than this one that carry the marker: (pid, command)."""
        found = []
        needle = f"{MARKER}={self.token}".encode()
        for entry in os.listdir("/proc"):
            if not entry.isdigit() or int(entry) == os.getpid():
                continue
            try:
                with open(f"/proc/{entry}/environ", "rb") as f:
                    if needle not in f.read().split(b"\0"):
                        continue
                with open(f"/proc/{entry}/cmdline", "rb") as f:
                    command = f.read().replace(b"\0", b" ").decode(errors="replace").strip()
            except OSError:
                continue  # gone meanwhile, or not ours to read
            found.append((int(entry), command))
        return found


def _run_quiet(argv, env, timeout=5):
    return subprocess.run(argv, env=env, stdin=subprocess.DEVNULL, capture_output=True,
                          timeout=timeout, text=True)


def start_accessibility_bus(processes):
    """The accessibility bus inside the session bus; returns once the session
    bus hands out its address, as assistive tools and Qt ask for it."""
    launcher = next((p for p in ("/usr/libexec/at-spi-bus-launcher",
                                 "/usr/lib/at-spi2-core/at-spi-bus-launcher")
                     if os.access(p, os.X_OK)), None)
    if launcher is None:
        raise StageFailure("at-spi-bus-launcher not found (Debian package at-spi2-core)")
    processes.start("at-spi-bus-launcher", [launcher, "--launch-immediately"])
    # Asking org.a11y.Bus itself before the launcher owns the name would make
    # the session bus start a second launcher of its own: ask the bus.
    query = ["dbus-send", "--session", "--dest=org.freedesktop.DBus", "--print-reply",
             "/org/freedesktop/DBus", "org.freedesktop.DBus.NameHasOwner", "string:org.a11y.Bus"]
    wait_for(lambda: "boolean true" in _run_quiet(query, processes.env).stdout, 15,
             "the accessibility bus launcher to own its name on the session bus")


def start_sound_server(processes):
    """A PulseAudio server whose only sink is a null sink; returns the name
    of that sink's monitor source."""
    processes.start("pulseaudio", [
        "pulseaudio", "--daemonize=no", "--exit-idle-time=-1", "-n",
        "--load=module-null-sink", "--load=module-native-protocol-unix",
        "--log-target=stderr"])

    def sink_ready():
        result = _run_quiet(["pactl", "list", "short", "sinks"], processes.env)
        return result.returncode == 0 and result.stdout.split()[1:2] or None

    sink = wait_for(sink_ready, 15, "the PulseAudio server and its null sink")[0]
    _run_quiet(["pactl", "set-default-sink", sink], processes.env)
    return sink + ".monitor"


class Recorder:
    """Records the sink's monitor into a mono WAV file from start() to stop().

    The recorder drops about the first half second, so only the end of the
    recording is anchored in time: its last sample was taken when stop()
    was called."""

    RATE = 16000

    def __init__(self, processes, source, path):
        self.processes, self.source, self.path = processes, source, path
        self.proc = None
        self.stopped_at = None

    def start(self):
        if os.path.exists(self.path):
            os.remove(self.path)
        self.proc = self.processes.start("parecord-" + os.path.basename(self.path), [
            "parecord", f"--device={self.source}", "--latency-msec=20", "--file-format=wav",
            "--format=s16le", f"--rate={self.RATE}", "--channels=1", self.path])
        # Data flows once the file grows past its header.
        wait_for(lambda: os.path.exists(self.path) and os.path.getsize(self.path) > 4096, 10,
                 "the recorder to write sound data")
        return self

    def stop(self):
        self.stopped_at = time.monotonic()
        status = Processes.stop(self.proc, signal.SIGINT)
        if status not in (0, -signal.SIGINT):
            raise StageFailure(f"parecord ended with status {status}")
        return self.path


SPEECH = re.compile(r"^ertavino\.speech: speak: (.*)$")
# The sound log quotes the file: play: "/…/suoni/si2.wav"
SOUND = re.compile(r'^ertavino\.sound: (play|skip): "?([^"]*)"?')


class Program:
    """One run of the installed program. Its stderr is read as it comes, each
    line stamped with the time it arrived: the speech and sound logs."""

    def __init__(self, processes, executable, name="ertavino"):
        env = {
            "QT_QPA_PLATFORM": "xcb",
            "QT_LINUX_ACCESSIBILITY_ALWAYS_ON": "1",
            "QT_LOGGING_RULES": "ertavino.speech.debug=true;ertavino.sound.debug=true;"
                                "ertavino.question.debug=true",
            "QT_MESSAGE_PATTERN": "%{category}: %{message}",
        }
        self.proc = processes.start(name, [executable], extra_env=env, stdout=subprocess.DEVNULL,
                                    stderr=subprocess.PIPE)
        self.pid = self.proc.pid
        self.lines = []  # (monotonic time, line)
        self._lock = threading.Lock()
        self._log = open(os.path.join(processes.logdir, f"{name}-{self.pid}.log"), "w")
        self._reader = threading.Thread(target=self._read, daemon=True)
        self._reader.start()

    def _read(self):
        with self._log:
            for raw in self.proc.stderr:
                line = raw.decode("utf-8", errors="replace").rstrip("\n")
                with self._lock:
                    self.lines.append((time.monotonic(), line))
                self._log.write(line + "\n")
                self._log.flush()

    def log(self, pattern, since=0.0):
        """(time, groups) of the stderr lines matching pattern after since."""
        with self._lock:
            lines = list(self.lines)
        return [(t, m.groups()) for t, line in lines if t >= since
                for m in [pattern.match(line)] if m]

    def spoken(self, since=0.0):
        return [(t, g[0]) for t, g in self.log(SPEECH, since)]

    def wait_exit(self, timeout, what="the program to end"):
        try:
            return self.proc.wait(timeout)
        except subprocess.TimeoutExpired:
            raise StageFailure(f"timed out after {timeout:g} s waiting for {what}") from None

    def stop(self):
        Processes.stop(self.proc)
        self._reader.join(5)

    def running(self):
        return self.proc.poll() is None
