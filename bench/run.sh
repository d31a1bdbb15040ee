#!/usr/bin/env bash
# The one command behind bench/README.md: builds the release preset, runs
# every benchmark program with several repetitions (JSON into
# build/release/bench), runs the game under Xvfb (bench/xvfb_bench.sh), the
# browser edition in chromium (bench/web/web_bench.mjs), and
# writes the table into bench/README.md.
#
#   bash bench/run.sh
#
# ZL_BENCH_REPETITIONS (default 5) sets the repetitions, ZL_XVFB_SECONDS
# (default 20) the length of the standing and walking spells. Timings are
# only as good as the machine is quiet: run it with nothing else busy.
set -euo pipefail
cd "$(dirname "$0")/.."
build=build/release
out=$build/bench
repetitions=${ZL_BENCH_REPETITIONS:-5}

cmake --preset release >/dev/null
cmake --build --preset release

# The repetitions of all benchmarks of a program are interleaved, so that a
# spell of load on the machine falls on a figure and its limit alike.
run() {
  local program=$1
  echo "== $program"
  "$out/$program" --benchmark_repetitions="$repetitions" --benchmark_enable_random_interleaving=true \
    --benchmark_display_aggregates_only=true --benchmark_out="$out/$program.json" --benchmark_out_format=json
}
run zl_bench
run zl_bench_editor
SDL_VIDEODRIVER=offscreen SDL_AUDIODRIVER=dummy run zl_bench_sdl

echo "== Xvfb"
bash bench/xvfb_bench.sh "$build" "$out/xvfb.json"

echo "== browser edition in chromium"
bash tools/web.sh --build-only
NODE_PATH=/usr/share/nodejs cmake --build --preset web --target zl_frame_step
node bench/web/web_bench.mjs build/web/site build/web/bench/zl_frame_step.js "$out/web.json" "${ZL_XVFB_SECONDS:-20}"

python3 bench/make_table.py --bench "$out/zl_bench.json" "$out/zl_bench_editor.json" "$out/zl_bench_sdl.json" \
  --xvfb "$out/xvfb.json" --web "$out/web.json" --readme bench/README.md
