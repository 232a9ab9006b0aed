#!/usr/bin/env bash
# End-to-end stage: harness.py in a session bus of its own, 900 s at most.
# Usage: tests/e2e/run.sh BUILD_DIR [OUT_DIR] [--only TEXT]... installs the
# build into OUT_DIR/prefix (OUT_DIR: BUILD_DIR/e2e); tests/e2e/run.sh
# --installed PREFIX OUT_DIR [--only TEXT]... runs the program in PREFIX.
# The last line is "N passed, N failed"; the status is non-zero on a failure.
set -euo pipefail
if [ "${1:-}" = --installed ]; then
  out=${3:?usage: run.sh --installed PREFIX OUT_DIR}
  args=(--prefix "$2")
  shift 3
else
  args=(--build "${1:?usage: run.sh BUILD_DIR [OUT_DIR]}")
  out=$1/e2e
  shift
  if [ $# -gt 0 ] && [ "${1#--}" = "$1" ]; then out=$1 && shift; fi
fi
rm -rf "$out" && mkdir -p "$out"
# Debian's own python, which has dogtail, whatever python comes first on
# PATH. The session bus daemon's complaints go to a log.
status=0
timeout --kill-after=10 900 dbus-run-session -- bash -c 'exec "$@" 2>&1' stage /usr/bin/python3 \
  "$(dirname "$0")/harness.py" "${args[@]}" --out "$out" "$@" 2>>"$out/session-bus.log" || status=$?
case $status in
  124) why="the stage did not finish within 900 s" ;;
  126 | 127) why="dbus-run-session is missing (scripts/install-deps.sh installs it)" ;;
esac
[ -z "${why:-}" ] || printf 'FAIL %s\n0 passed, 1 failed\n' "$why"
exit "$status"
