#!/usr/bin/env bash
# Installs what is missing, then builds and checks everything CI checks:
# the debug, sanitizer (ASan + UBSan) and release builds (release with
# warnings as errors), the fuzz targets with their corpora replayed and 20 s
# of fuzzing each, and every test in the debug and sanitizer builds (the
# soak among them, a few virtual minutes).
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/bootstrap.sh
start=$SECONDS
step() { echo "== $1 ($((SECONDS - start)) s)"; }

for preset in debug asan; do
  step "build $preset"
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset"
done
step "build release, warnings as errors"
cmake --preset release -DZL_WERROR=ON >/dev/null
cmake --build --preset release
step "build fuzz targets"
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz

status=0
# Every corpus replayed, then each target fuzzed for ZL_FUZZ_SECONDS (20 s
# unless set; 0 replays only).
step "fuzz corpora and ${ZL_FUZZ_SECONDS:-20} s of fuzzing per target"
bash tools/fuzz/replay.sh "${ZL_FUZZ_SECONDS:-20}" || status=1
for preset in debug asan; do
  step "tests ($preset)"
  ctest --preset "$preset" -j2 || status=1
done
step "done"
exit $status
