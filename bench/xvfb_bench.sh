#!/usr/bin/env bash
# The figures that need a real window: the release game under a virtual X
# display (Xvfb) standing still in labyrinth 1 and walking along a corridor
# with held arrow keys (xdotool), its start-up time, frame pacing and
# resident memory, and the bare SDL program's start-up and memory beside
# them. Writes JSON for bench/run.sh (bench/xvfb_probe.py does the measuring).
#
#   bash bench/xvfb_bench.sh [build dir] [output json]
#
# defaults: build/release and build/release/bench/xvfb.json. The build dir
# must hold a release build (bench/run.sh makes one). Needs Xvfb, xdotool
# and python3 (tools/bootstrap.sh installs them). Sound: the game opens its
# audio device only for the first sound; standing and walking in the
# corridor play none.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/release}
out=${2:-$build/bench/xvfb.json}
seconds=${ZL_XVFB_SECONDS:-20}

for tool in Xvfb xdotool python3; do
  command -v "$tool" >/dev/null || { echo "xvfb_bench: $tool is missing (bash tools/bootstrap.sh)" >&2; exit 1; }
done
[ -x "$build/run/zauberlabyrinth" ] && [ -x "$build/bench/zl_bare_window" ] ||
  { echo "xvfb_bench: build $build first (bash bench/run.sh does)" >&2; exit 1; }

# A display number of its own: Xvfb picks a free one and says which.
displayfile=$(mktemp)
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$displayfile" 2>/dev/null &
xvfb=$!
trap 'kill "$xvfb" 2>/dev/null; rm -f "$displayfile"' EXIT
for _ in $(seq 100); do
  [ -s "$displayfile" ] && break
  sleep 0.1
done
[ -s "$displayfile" ] || { echo "xvfb_bench: Xvfb did not start" >&2; exit 1; }
export DISPLAY=":$(head -n1 "$displayfile")"

python3 bench/xvfb_probe.py --run-dir "$build/run" --bare "$build/bench/zl_bare_window" \
  --seconds "$seconds" --out "$out"
