"""The end-to-end stage's harness, run by run.sh inside a session bus of its
own: installs the build, starts an X server, the accessibility bus and a
sound server whose null sink is recorded, runs the checks of checks.py, and
ends every process started, found by a marker in its environment."""

import argparse
import array
import contextlib
import math
import os
import re
import secrets
import signal
import subprocess
import sys
import time
import traceback
import wave
from pathlib import Path

MARKER = "ERTAVINO_E2E_RUN"


class StageFailure(Exception):
    """A check did not hold; the message says what was expected."""


def expect(condition, message):
    if not condition:
        raise StageFailure(message)


def wait_for(condition, timeout, what):
    """The first true value of condition(), polled for timeout seconds; an
    error in it (the accessibility tree changes under us) means not yet."""
    deadline, last_error = time.monotonic() + timeout, None
    while True:
        try:
            value = condition()
            if value:
                return value
        except StageFailure:
            raise
        except Exception as error:
            last_error = error
        if time.monotonic() >= deadline:
            detail = f" (last error: {last_error})" if last_error else ""
            raise StageFailure(f"timed out after {timeout:g} s waiting for {what}{detail}")
        time.sleep(0.05)


def run_quiet(argv, env=None, timeout=10):
    return subprocess.run(argv, env=env, stdin=subprocess.DEVNULL, capture_output=True,
                          text=True, timeout=timeout)


class Processes:
    """Starts processes with the marker, each with a log, and ends them."""

    def __init__(self, env, logdir):
        self.token = secrets.token_hex(8)
        self.env, self.logdir, self.started = dict(env, **{MARKER: self.token}), logdir, []

    def start(self, name, argv, extra_env=None, **popen):
        log = open(os.path.join(self.logdir, name + ".log"), "ab")
        proc = subprocess.Popen(argv, env=dict(self.env, **(extra_env or {})), stdout=log,
                                stdin=subprocess.DEVNULL, stderr=subprocess.STDOUT, **popen)
        self.started.append(proc)
        return proc

    @staticmethod
    def stop(proc, sig=signal.SIGTERM):
        """Sends sig, SIGKILL after 5 s; returns the exit status."""
        if proc.poll() is None:
            proc.send_signal(sig)
            with contextlib.suppress(subprocess.TimeoutExpired):
                proc.wait(5)
            proc.kill()  # nothing once it has ended
        return proc.wait()

    def stop_since(self, mark):
        while len(self.started) > mark:
            self.stop(self.started.pop())

    def leftovers(self):
        """Processes other than this one that carry the marker: (pid, command)."""
        found, needle = [], f"{MARKER}={self.token}".encode()
        for pid in filter(str.isdigit, os.listdir("/proc")):
            try:
                environ = Path(f"/proc/{pid}/environ").read_bytes().split(b"\0")
                if int(pid) != os.getpid() and needle in environ:
                    command = Path(f"/proc/{pid}/cmdline").read_bytes().replace(b"\0", b" ")
                    found.append((int(pid), command.decode(errors="replace")))
            except OSError:
                continue  # gone meanwhile, or not ours to read
        return found


class Program:
    """One run of the installed program; its speech, sound and question logs."""

    runs = 0

    def __init__(self, processes, executable, env=None):
        Program.runs += 1
        self.path = os.path.join(processes.logdir, f"ertavino-{Program.runs}.log")
        self.proc = processes.start(f"ertavino-{Program.runs}", [executable], extra_env={
            "QT_QPA_PLATFORM": "xcb", "QT_LINUX_ACCESSIBILITY_ALWAYS_ON": "1",
            "QT_LOGGING_RULES": "ertavino.*.debug=true",
            "QT_MESSAGE_PATTERN": "%{category}: %{message}", **(env or {})})
        self.pid = self.proc.pid

    def lines(self):  # whole lines only
        return Path(self.path).read_text(errors="replace").split("\n")[:-1]

    def log(self, category, what, since=0):
        """(what, text) of the lines 'ertavino.category: what: "text"' after the first since."""
        pattern = re.compile(rf'ertavino\.{category}: ({what}): "?(.*?)"?$')
        return [m.groups() for line in self.lines()[since:] for m in [pattern.match(line)] if m]

    def ended(self, what):
        """Waits 10 s at most for the program to end, with status 0."""
        with contextlib.suppress(subprocess.TimeoutExpired):
            self.proc.wait(10)
        status = self.proc.returncode
        expect(status == 0, f"{what}: " + ("it runs on" if status is None else f"status {status}"))


class Recorder:
    """Records the null sink from start() to stop(). parecord drops about its
    first half second: the last sample, taken at stop(), anchors the times."""

    RATE = 16000

    def __init__(self, stage, name):
        self.path = os.path.join(stage.logs, name + ".wav")
        self.proc = stage.processes.start("parecord-" + name, [
            "parecord", f"--device={stage.monitor}", "--latency-msec=20", "--file-format=wav",
            "--format=s16le", f"--rate={self.RATE}", "--channels=1", self.path])
        wait_for(lambda: os.path.getsize(self.path) > 4096, 10, "the recorder to write sound data")

    def stop(self):
        ended = time.monotonic()
        status = Processes.stop(self.proc, signal.SIGINT)
        expect(status in (0, -signal.SIGINT), f"parecord ended with status {status}")
        with wave.open(self.path, "rb") as w:
            self.samples = array.array("h", w.readframes(w.getnframes()))
        self.started_at = ended - len(self.samples) / self.RATE
        return self

    def loudest(self, t0, t1):
        """The highest loudness (RMS, fraction of full scale) of any 50 ms
        block between the times t0 and t1; 0 for a span without sound."""
        i0, i1 = (min(max(0, round((t - self.started_at) * self.RATE)), len(self.samples))
                  for t in (t0, t1))
        step = self.RATE // 20
        blocks = (self.samples[i:min(i + step, i1)] for i in range(i0, i1, step))
        return max((math.sqrt(sum(s * s for s in b) / len(b)) / 32768 for b in blocks), default=0.0)


class Stage:
    """The folders, services and accessibility problems the checks share."""

    def __init__(self, prefix, out, pico):
        self.prefix, self.out, self.audit, self.pico = prefix, out, {}, pico
        self.logs, self.runtime = os.path.join(out, "logs"), os.path.join(out, "run")
        config = os.path.join(out, "home", ".config")
        self.settings_file = os.path.join(config, "ImpostazioniProgrammiQuibo", "Ertavino.INI")
        for folder in ("logs", "run", "screenshots", "home/.config/ImpostazioniProgrammiQuibo"):
            os.makedirs(os.path.join(out, folder), mode=0o700, exist_ok=True)
        env = {k: v for k, v in os.environ.items() if k != "PULSE_SINK"} | dict(
            HOME=os.path.join(out, "home"), XDG_CONFIG_HOME=config, XDG_RUNTIME_DIR=self.runtime,
            LC_ALL="C.UTF-8", NO_AT_BRIDGE="0", PULSE_SERVER=f"unix:{self.runtime}/pulse/native",
            # No speech service to start but for the checks that name one.
            SPEECHD_CMD=os.path.join(out, "no-speech-dispatcher"))
        self.processes = Processes(env, self.logs)

    def start_services(self):
        read, write = os.pipe()
        # -noreset: else the server resets whenever its last client leaves,
        # between two runs of the program, and refuses the next one meanwhile.
        self.processes.start("xvfb", ["Xvfb", "-displayfd", str(write), "-screen", "0",
                                      "1024x768x24", "-nolisten", "tcp", "-noreset"],
                             pass_fds=(write,))
        os.close(write)
        display = os.read(read, 16).decode().strip()
        expect(display, "Xvfb did not start (see logs/xvfb.log)")
        os.environ["DISPLAY"] = self.processes.env["DISPLAY"] = ":" + display
        self.processes.start("at-spi-bus-launcher", ["/usr/libexec/at-spi-bus-launcher",
                                                     "--launch-immediately"])
        # Asking org.a11y.Bus before the launcher owns it would make the
        # session bus start a second launcher: ask the bus itself.
        wait_for(lambda: "boolean true" in run_quiet([
            "dbus-send", "--session", "--dest=org.freedesktop.DBus", "--print-reply",
            "/org/freedesktop/DBus", "org.freedesktop.DBus.NameHasOwner",
            "string:org.a11y.Bus"], self.processes.env).stdout, 15, "the accessibility bus")
        self.processes.start("pulseaudio", [
            "pulseaudio", "--daemonize=no", "--exit-idle-time=-1", "-n", "--load=module-null-sink",
            "--load=module-native-protocol-unix", "--log-target=stderr"])
        sink = wait_for(lambda: run_quiet(["pactl", "list", "short", "sinks"],
                                          self.processes.env).stdout.split()[1:2], 15,
                        "the PulseAudio server and its null sink")[0]
        run_quiet(["pactl", "set-default-sink", sink], self.processes.env)
        self.monitor = sink + ".monitor"

    def screenshot(self, name):
        path = os.path.join(self.out, "screenshots", name + ".png")
        result = run_quiet(["import", "-window", "root", path], timeout=30)
        expect(result.returncode == 0, f"screenshot {path} failed: {result.stderr.strip()}")

    def stop(self):
        """Ends everything; returns what was still running after that (then killed)."""
        self.processes.stop_since(0)
        # The accessibility registry, started by its bus for the program,
        # stays on the session bus after that bus is gone: end it.
        for pid, command in self.processes.leftovers():
            if "at-spi2-registryd" in command:
                os.kill(pid, signal.SIGTERM)
        with contextlib.suppress(StageFailure):
            wait_for(lambda: not self.processes.leftovers(), 5, "the last processes to end")
        left = self.processes.leftovers()
        for pid, _command in left:
            os.kill(pid, signal.SIGKILL)
        return left


def set_up(stage, build):
    """Installs the build, starts the services and dogtail: searching what
    is shown only, short delays, its debug log in logs/, none on stdout."""
    if build:
        result = run_quiet(["cmake", "--install", build, "--prefix", stage.prefix], timeout=300)
        expect(result.returncode == 0, f"cmake --install failed: {result.stdout}{result.stderr}")
    stage.start_services()
    from dogtail.config import config
    config.checkForA11y, config.logDebugToStdOut, config.searchShowingOnly = False, False, True
    config.logDir = stage.logs
    config.actionDelay = config.defaultDelay = config.typingDelay = 0.05
    from dogtail import logging
    logging.debugLogger.filee = open(os.path.join(stage.logs, "dogtail.log"), "w")
    import dogtail.tree  # noqa: F401, connects to the accessibility bus
    sys.excepthook = sys.__excepthook__  # dogtail's own hides tracebacks in its log


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("--build", help="a build folder, installed into OUT/prefix")
    parser.add_argument("--prefix", help="where the program is installed")
    parser.add_argument("--out", required=True, help="folder for screenshots, logs and recordings")
    parser.add_argument("--only", action="append", default=[], help="checks whose name has this")
    args = parser.parse_args()
    signal.signal(signal.SIGTERM, lambda *_: sys.exit(143))
    out = os.path.abspath(args.out)
    # SVOX Pico is fetched where the build's tests put it, or into OUT.
    pico = os.path.join(os.path.abspath(args.build or out), "pico")
    stage = Stage(os.path.abspath(args.prefix or os.path.join(out, "prefix")), out, pico)
    results, started = [], time.monotonic()

    def record(name, error):
        results.append(error is None)
        print(f"PASS {name}" if error is None else f"FAIL {name}: {error}", flush=True)

    try:
        set_up(stage, args.build)
        import checks
        import wayland
        for check in checks.ALL + wayland.ALL:
            name = check.__name__.replace("_", " ")
            if args.only and not any(o in name for o in args.only):
                continue
            t0, mark, error = time.monotonic(), len(stage.processes.started), None
            try:
                check(stage)
            except StageFailure as failure:
                error = str(failure)
            except Exception:
                error = "unexpected error\n" + traceback.format_exc()
            if error:  # what the screen showed, for the failure's reader
                with contextlib.suppress(StageFailure):
                    stage.screenshot("FAIL " + name)
            stage.processes.stop_since(mark)  # what the check left running
            record(f"{name} ({time.monotonic() - t0:.1f} s)", error)
    except Exception as failure:  # a tool missing (scripts/install-deps.sh), a service down
        record("set-up", failure)
    finally:
        left = stage.stop()
    record("every started process ended", left and "left running (now killed): " +
           "; ".join(f"{pid} {command}" for pid, command in left) or None)
    print(f"stage took {time.monotonic() - started:.0f} s; screenshots and logs in {out}")
    print(f"{results.count(True)} passed, {results.count(False)} failed", flush=True)
    return 0 if all(results) else 1


if __name__ == "__main__":
    import harness  # the module checks.py imports, not this copy of it named __main__
    sys.exit(harness.main())
