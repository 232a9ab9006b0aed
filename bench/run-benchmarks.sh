#!/usr/bin/env bash
# Builds and runs the benchmarks and prints the results table.
#
# Usage: bench/run-benchmarks.sh [--quick] [--no-build] [--build DIR] [FIGURE...]
#   FIGURE     startup speech answer layout memory idle (default: all six)
#   --quick    a few repetitions each: checks that every benchmark runs
#   --build    the build folder (default build/bench, RelWithDebInfo)
#   --no-build run what the build folder holds
#
# The program runs as it would on a desktop: on an X server of its own
# (Xvfb, 1024x768) next to a PulseAudio server with a null sink, with private
# settings and runtime folders and no session bus. The table goes to stdout
# and to DIR/bench-results.md; each benchmark's full output to
# DIR/bench-logs/ (quick runs: DIR/bench-logs/quick/). A benchmark fails only when it cannot run; a missed aim is
# reported in the table, never as a failure.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(dirname "$here")
build=$root/build/bench
quick=0
compile=1
figures=()
while [ $# -gt 0 ]; do
  case $1 in
    --quick) quick=1 ;;
    --no-build) compile=0 ;;
    --build) build=$(cd "${2:?--build needs a folder}" && pwd); shift ;;
    startup | speech | answer | layout | memory | idle) figures+=("$1") ;;
    *) echo "unknown argument: $1 (see the top of $0)" >&2; exit 2 ;;
  esac
  shift
done
[ ${#figures[@]} -gt 0 ] || figures=(startup speech answer layout memory idle)

if [ "$compile" = 1 ]; then
  cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=ON >/dev/null
  cmake --build "$build" --target ertavino_benchmarks -j "$(nproc)"
fi
bin=$build/bin
logs=$build/bench-logs
[ "$quick" = 0 ] || logs=$logs/quick
mkdir -p "$logs"
# A quick run, or a run of some figures only, keeps its table apart from
# the full one.
results=$build/bench-results.md
if [ "$quick" = 1 ] || [ ${#figures[@]} -ne 6 ]; then
  results=$logs/results-$(IFS=-; echo "${figures[*]}").md
fi

work=$(mktemp -d "${TMPDIR:-/tmp}/ertavino-bench.XXXXXX")
started=()
cleanup() {
  for ((i = ${#started[@]} - 1; i >= 0; i--)); do
    kill "${started[i]}" 2>/dev/null || true
    wait "${started[i]}" 2>/dev/null || true
  done
  rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

mkdir -p "$work/config" "$work/run"
chmod 700 "$work/run"
export XDG_CONFIG_HOME=$work/config XDG_RUNTIME_DIR=$work/run LC_ALL=C.UTF-8
# Without a session bus there is no accessibility bridge, for the program and
# for the floors alike.
unset DBUS_SESSION_BUS_ADDRESS

needs_x=0
for f in "${figures[@]}"; do
  case $f in startup | memory | idle) needs_x=1 ;; esac
done
if [ "$needs_x" = 1 ]; then
  for tool in Xvfb xdotool; do
    command -v "$tool" >/dev/null || { echo "$tool is missing (scripts/install-deps.sh)" >&2; exit 1; }
  done
  # Xvfb picks a free display and writes its number once it accepts clients.
  # -noreset: between two programs no client is connected, and a server that
  # resets then turns the next one away.
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$work/display" \
    2>"$work/xvfb.log" &
  started+=($!)
  for _ in $(seq 100); do
    [ -s "$work/display" ] && break
    sleep 0.1
  done
  [ -s "$work/display" ] || { echo "Xvfb did not start:" >&2; cat "$work/xvfb.log" >&2; exit 1; }
  export DISPLAY=":$(head -n1 "$work/display")"
fi

# The sound server the speech and the feedback sounds play to; without it
# they keep time silently and the figures say so.
if command -v pulseaudio >/dev/null; then
  pulseaudio --daemonize=no --exit-idle-time=-1 -n --load=module-null-sink \
    --load=module-native-protocol-unix --log-target=stderr 2>"$work/pulseaudio.log" &
  started+=($!)
  export PULSE_SERVER=unix:$XDG_RUNTIME_DIR/pulse/native
  for _ in $(seq 100); do
    pactl info >/dev/null 2>&1 && break
    sleep 0.1
  done
  pactl info >/dev/null 2>&1 || echo "note: PulseAudio did not start; sound plays nowhere" >&2
else
  echo "note: no PulseAudio; speech and sounds keep time silently" >&2
fi

# The desktop's speech service with festival's Italian voices, as the
# end-to-end stage starts it, for the speech figure's service voice only (the
# other figures run without it, as before); without it that voice is left
# out of the figure.
service_pid=
start_speech_service() {
  command -v speech-dispatcher >/dev/null && command -v festival >/dev/null || return 0
  /usr/bin/python3 "$here/speech/servizio_voce.py" "$XDG_RUNTIME_DIR" "$work/speech-service" \
    >"$work/speech-service.log" 2>&1 &
  service_pid=$!
  started+=("$service_pid")
  for _ in $(seq 300); do
    grep -q '^ready$' "$work/speech-service.log" && return 0
    sleep 0.1
  done
  echo "note: the speech service did not start; its voice is not timed" >&2
}
stop_speech_service() {
  [ -n "$service_pid" ] || return 0
  kill "$service_pid" 2>/dev/null || true
  wait "$service_pid" 2>/dev/null || true
  service_pid=
}

# SVOX Pico's voice for the speech figure, never installed for it: Debian's
# packages unpacked into the build folder as the speech tests do it, and the
# program pointed at them; without them Pico's voice is left out.
pico=()
for f in "${figures[@]}"; do
  [ "$f" = speech ] || continue
  if bash "$root/tests/speech/scarica_pico.sh" "$build/pico" >"$work/pico.log" 2>&1; then
    pico=("ERTAVINO_PICO_LIBRERIA=$(echo "$build"/pico/usr/lib/*/libttspico.so.0)"
      "ERTAVINO_PICO_LINGUE=$build/pico/usr/share/pico/lang")
  else
    echo "note: SVOX Pico could not be fetched (see below); its voice is not timed" >&2
    cat "$work/pico.log" >&2
  fi
done

if [ "$quick" = 1 ]; then
  n_startup=1 n_speech=2 n_answer=2 n_layout=5 n_runs=1 idle_window=1 session=(--rapida --pausa 0.5)
else
  n_startup=30 n_speech=100 n_answer=200 n_layout=1000 n_runs=3 idle_window=10 session=()
fi

run() {
  local figure=$1
  shift
  echo "== $figure"
  if ! "$@" >"$logs/$figure.log" 2>"$logs/$figure.err"; then
    cat "$logs/$figure.log" "$logs/$figure.err"
    echo "benchmark '$figure' failed to run (log: $logs/$figure.err)" >&2
    return 1
  fi
  grep -v '^| ' "$logs/$figure.log" || true
}

session=("${session[@]}" --programma "$bin/ertavino" --pavimento "$bin/finestra_nuda"
  --ripetizioni "$n_runs")
status=0
for f in "${figures[@]}"; do
  case $f in
    startup)
      run startup env QT_QPA_PLATFORM=xcb "$bin/misura_avvio" --iterazioni "$n_startup" \
        "$bin/ertavino" "$bin/finestra_nuda" || status=1 ;;
    speech)
      start_speech_service
      run speech env "${pico[@]}" "$bin/bench_voce" "$n_speech" || status=1
      stop_speech_service ;;
    answer)
      run answer env QT_QPA_PLATFORM=offscreen "$bin/bench_risposta" --iterazioni "$n_answer" ||
        status=1 ;;
    layout)
      run layout env QT_QPA_PLATFORM=offscreen "$bin/bench_disposizione" --iterazioni "$n_layout" ||
        status=1 ;;
    memory)
      run memory env QT_QPA_PLATFORM=xcb /usr/bin/python3 "$here/sessione/sessione.py" memory \
        "${session[@]}" || status=1 ;;
    idle)
      run idle env QT_QPA_PLATFORM=xcb /usr/bin/python3 "$here/sessione/sessione.py" idle \
        "${session[@]}" --finestra "$idle_window" || status=1 ;;
  esac
done

{
  echo "| Figure | Median (spread) | Reference, same run | Aim | |"
  echo "|---|---|---|---|---|"
  for f in "${figures[@]}"; do
    grep -h '^| ' "$logs/$f.log" 2>/dev/null || true
  done
} >"$results"
echo
cat "$results"
exit "$status"
