#!/usr/bin/env bash
# Installs what is missing, then builds and checks everything CI checks:
# the debug, sanitizer (ASan + UBSan) and release builds (release with
# warnings as errors), one iteration of every benchmark, the fuzz targets
# with their corpora replayed and 20 s of fuzzing each, and every test in
# the debug and sanitizer builds (the soak among them, a few virtual
# minutes), and the browser edition built and played in chromium.
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
cmake --preset ci-release >/dev/null
cmake --build --preset ci-release
step "benchmarks, one iteration each (they must keep running; bench/run.sh times them)"
bench_status=0
for program in zl_bench zl_bench_editor zl_bench_sdl; do
  SDL_VIDEODRIVER=offscreen SDL_AUDIODRIVER=dummy build/ci-release/bench/$program --benchmark_min_time=0 \
    >/dev/null || bench_status=1
done
step "build fuzz targets"
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz

status=$bench_status
# Every corpus replayed, then each target fuzzed for ZL_FUZZ_SECONDS (20 s
# unless set; 0 replays only).
step "fuzz corpora and ${ZL_FUZZ_SECONDS:-20} s of fuzzing per target"
bash tools/fuzz/replay.sh "${ZL_FUZZ_SECONDS:-20}" || status=1
for preset in debug asan; do
  step "tests ($preset)"
  ctest --preset "$preset" -j2 || status=1
done
step "browser edition: build, then play it in chromium"
bash tools/web.sh --build-only
# The frame step's benchmark in WebAssembly is built too, so that it keeps
# linking against the browser backend (bench/run.sh runs it).
NODE_PATH=/usr/share/nodejs cmake --build --preset web --target zl_frame_step || status=1
ctest --test-dir build/web -L browser --no-tests=error --output-on-failure || status=1
step "done"
exit $status
