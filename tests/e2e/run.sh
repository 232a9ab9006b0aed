#!/usr/bin/env bash
# End-to-end stage. Installs the program built in BUILD_DIR into a temporary
# prefix and runs it as a person would: on an X server of its own (Xvfb),
# inside a session bus (dbus-run-session) with the accessibility bus, next to
# a PulseAudio server whose null sink is recorded. stage.py starts and ends
# everything inside the session bus; this script owns the X server.
#
# Usage: tests/e2e/run.sh BUILD_DIR [OUT_DIR] [stage.py options]
#        tests/e2e/run.sh --installed PREFIX OUT_DIR [stage.py options]
# The second form runs the program already installed in PREFIX (/usr for the
# Debian package) instead of installing the build.
# Screenshots, logs and recordings go to OUT_DIR (default BUILD_DIR/e2e).
# The last line printed is "N passed, N failed"; the exit status is non-zero
# when a check failed.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
if [ "${1:-}" = --installed ]; then
  build=
  prefix=$(cd "${2:?usage: run.sh --installed PREFIX OUT_DIR}" && pwd)
  out=${3:?usage: run.sh --installed PREFIX OUT_DIR}
  shift 3
else
  build=$(cd "${1:?usage: run.sh BUILD_DIR [OUT_DIR]}" && pwd)
  out=${2:-$build/e2e}
  prefix=$out/prefix
  shift $(($# < 2 ? $# : 2))
fi
# Debian's own interpreter: pyatspi is a Debian package, and another python
# may come first on PATH.
python=/usr/bin/python3

fail_early() {
  echo "FAIL $1"
  echo "0 passed, 1 failed"
  exit 1
}

missing=()
for tool in Xvfb dbus-run-session dbus-send xdotool xprop pulseaudio pactl parecord import; do
  command -v "$tool" >/dev/null || missing+=("$tool")
done
"$python" -c 'import pyatspi' 2>/dev/null || missing+=("python3-pyatspi")
[ ${#missing[@]} -eq 0 ] || fail_early "tools missing: ${missing[*]} (scripts/install-deps.sh installs them)"

rm -rf "$out"
mkdir -p "$out"
if [ -n "$build" ]; then
  cmake --install "$build" --prefix "$prefix" >"$out/install.log" 2>&1 ||
    fail_early "cmake --install into a temporary prefix (see $out/install.log)"
fi

xvfb_pid=
cleanup() {
  if [ -n "$xvfb_pid" ]; then
    kill "$xvfb_pid" 2>/dev/null || true
    wait "$xvfb_pid" 2>/dev/null || true
  fi
}
trap cleanup EXIT
trap 'exit 130' INT TERM

# Xvfb picks a free display and writes its number once it accepts clients.
: >"$out/display"
# -noreset: the server would otherwise reset whenever its last client leaves,
# between two runs of the program, and refuse the next one meanwhile.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$out/display" \
  >"$out/xvfb.log" 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do
  [ -s "$out/display" ] && break
  kill -0 "$xvfb_pid" 2>/dev/null || break
  sleep 0.1
done
[ -s "$out/display" ] || fail_early "Xvfb did not start (see $out/xvfb.log)"
display=":$(head -n1 "$out/display")"
for _ in $(seq 100); do
  DISPLAY=$display xdotool getdisplaygeometry >/dev/null 2>&1 && break
  sleep 0.1
done
DISPLAY=$display xdotool getdisplaygeometry >/dev/null 2>&1 ||
  fail_early "the X server on $display does not accept clients (see $out/xvfb.log)"

status=0
# The session bus daemon's own complaints go to a log; the stage's output,
# errors included, to the terminal.
DISPLAY=$display timeout --kill-after=10 900 \
  dbus-run-session -- bash -c 'exec "$@" 2>&1' stage \
  "$python" "$here/stage.py" --prefix "$prefix" --out "$out" "$@" 2>>"$out/session-bus.log" ||
  status=$?
if [ "$status" -eq 124 ]; then
  echo "FAIL the stage did not finish within 900 s"
  echo "0 passed, 1 failed"
fi
exit "$status"
