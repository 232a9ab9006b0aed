"""The end-to-end stage: the installed program on a real X server, session
bus, accessibility bus and sound server, driven as a person would.

Run by run.sh inside dbus-run-session with DISPLAY set; everything else is
started and ended here. Prints one line per check and, last, the summary
line "N passed, N failed"; exits non-zero when a check failed.
"""

import argparse
import os
import secrets
import signal
import sys
import time
import traceback

from services import Processes, Program, Recorder, StageFailure, start_accessibility_bus, \
    start_sound_server, wait_for


class Stage:
    """What every scenario shares: the folders, the running services, the
    way to start the program, and the accessibility findings so far."""

    def __init__(self, prefix, out):
        self.prefix = prefix
        self.out = out
        self.screenshots = os.path.join(out, "screenshots")
        self.logs = os.path.join(out, "logs")
        home = os.path.join(out, "home")
        self.runtime = os.path.join(out, "run")
        self.config = os.path.join(home, ".config")
        for folder in (self.screenshots, self.logs, self.config):
            os.makedirs(folder, exist_ok=True)
        os.makedirs(self.runtime, mode=0o700, exist_ok=True)
        os.chmod(self.runtime, 0o700)
        env = dict(os.environ)
        env.update({
            "HOME": home,
            "XDG_CONFIG_HOME": self.config,
            "XDG_RUNTIME_DIR": self.runtime,
            "PULSE_SERVER": "unix:" + os.path.join(self.runtime, "pulse", "native"),
            "LC_ALL": "C.UTF-8",
            "NO_AT_BRIDGE": "0",
        })
        env.pop("PULSE_SINK", None)
        self.processes = Processes(env, secrets.token_hex(8), self.logs)
        self.monitor = None
        self.audit = {}  # screen -> list of problems

    @property
    def executable(self):
        return os.path.join(self.prefix, "bin", "ertavino")

    @property
    def settings_folder(self):
        return os.path.join(self.config, "ImpostazioniProgrammiQuibo")

    @property
    def settings_file(self):
        return os.path.join(self.settings_folder, "Ertavino.INI")

    def start_services(self):
        start_accessibility_bus(self.processes)
        self.monitor = start_sound_server(self.processes)
        # pyatspi connects to the accessibility bus when it is first imported.
        import ui  # noqa: F401

    def start_program(self):
        return Program(self.processes, self.executable)

    def recorder(self, name):
        return Recorder(self.processes, self.monitor, os.path.join(self.logs, name + ".wav"))

    def screenshot(self, name):
        import ui
        ui.screenshot(os.path.join(self.screenshots, name + ".png"))

    def stop(self):
        """Ends everything; returns the processes that were still running
        after that, which are then killed."""
        self.processes.stop_all()
        # The accessibility registry, started by the accessibility bus for the
        # program, stays on the session bus after its bus is gone: end it.
        for pid, command in self.processes.leftovers():
            if "at-spi2-registryd" in command:
                os.kill(pid, signal.SIGTERM)
        try:
            wait_for(lambda: not self.processes.leftovers(), 5, "the last processes to end")
            return []
        except StageFailure:
            left = self.processes.leftovers()
        for pid, _command in left:
            try:
                os.kill(pid, signal.SIGKILL)
            except OSError:
                pass
        return left


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("--prefix", required=True, help="install prefix of the program")
    parser.add_argument("--out", required=True, help="folder for screenshots, logs and recordings")
    parser.add_argument("--only", action="append", default=[],
                        help="run only the checks whose name contains this text")
    args = parser.parse_args()

    stage = Stage(os.path.abspath(args.prefix), os.path.abspath(args.out))
    passed, failed = [], []

    def record(name, error):
        if error is None:
            passed.append(name)
            print(f"PASS {name}", flush=True)
        else:
            failed.append(name)
            print(f"FAIL {name}: {error}", flush=True)

    started = time.monotonic()
    try:
        try:
            stage.start_services()
        except StageFailure as failure:
            record("services start", failure)
        else:
            import scenarios
            for name, scenario in scenarios.ALL:
                if args.only and not any(o in name for o in args.only):
                    continue
                t0 = time.monotonic()
                mark = stage.processes.mark()
                try:
                    scenario(stage)
                    error = None
                except StageFailure as failure:
                    error = str(failure)
                except Exception:
                    error = "unexpected error\n" + traceback.format_exc()
                finally:
                    # Whatever the scenario left running (a failed check
                    # leaves the program open) ends before the next one.
                    stage.processes.stop_since(mark)
                record(f"{name} ({time.monotonic() - t0:.1f} s)", error)
    finally:
        left = stage.stop()
    record("every started process ended",
           None if not left else "left running (now killed): " +
           "; ".join(f"{pid} {cmd}" for pid, cmd in left))
    print(f"stage took {time.monotonic() - started:.0f} s; screenshots and logs in {stage.out}")
    print(f"{len(passed)} passed, {len(failed)} failed", flush=True)
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
