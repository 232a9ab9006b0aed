#!/usr/bin/env bash
# Installs what is missing, builds and runs the whole test suite: first the
# normal build, then the same tests under AddressSanitizer and
# UndefinedBehaviorSanitizer (with leak checking). Needs no display: the tests
# use Qt's offscreen platform.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
jobs=$(nproc)

cmake --preset default
cmake --build --preset default -j "$jobs"
ctest --preset default -j "$jobs"

if [ "${ERTAVINO_SKIP_ASAN:-0}" != 1 ]; then
  cmake --preset asan
  cmake --build --preset asan -j "$jobs"
  ctest --preset asan -j "$jobs"
fi

# End-to-end stage: the program installed into a temporary prefix, on a real
# X server, session bus with the accessibility bus and sound server, driven
# through the accessibility interface. Its last line is "N passed, N failed".
# Set ERTAVINO_SKIP_E2E=1 to skip it while developing.
if [ "${ERTAVINO_SKIP_E2E:-0}" != 1 ]; then
  bash tests/e2e/run.sh build/default
fi
