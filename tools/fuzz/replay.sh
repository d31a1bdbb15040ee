#!/usr/bin/env bash
# Replays every fuzz target's corpus (tools/fuzz/corpus/<target>) through the
# target built by the fuzz preset, and optionally fuzzes each for a while,
# one target after the other:
#   bash tools/fuzz/replay.sh            # replay only
#   bash tools/fuzz/replay.sh 20         # replay, then 20 s of fuzzing each
#   bash tools/fuzz/replay.sh 600 bmp    # only the named targets
# Fails when any input crashes a target or breaks one of its checks; the
# input that did is kept as build/fuzz/crash-* (replay it by giving the file
# to the target). Prints each target's executions and coverage.
set -euo pipefail
cd "$(dirname "$0")/../.."
seconds="${1:-0}"
shift || true
build=build/fuzz/tools/fuzz
names=("$@")
if [ ${#names[@]} -eq 0 ]; then
  # Every target: tools/fuzz/<name>_fuzz.cpp, as tools/fuzz/CMakeLists.txt has them.
  for main in tools/fuzz/*_fuzz.cpp; do names+=("$(basename "$main" _fuzz.cpp)"); done
fi
status=0
for name in "${names[@]}"; do
  corpus="$PWD/tools/fuzz/corpus/$name"
  target="$build/fuzz_$name"
  log="build/fuzz/fuzz_$name.log"
  if [ ! -x "$target" ] || [ ! -d "$corpus" ]; then
    echo "fuzz: $target or $corpus is missing; build with: cmake --preset fuzz && cmake --build --preset fuzz" >&2
    status=1
    continue
  fi
  options=(-artifact_prefix=build/fuzz/ -timeout=10)
  echo "== fuzz_$name: replaying $(ls "$corpus" | wc -l) inputs"
  "$target" "${options[@]}" -runs=0 "$corpus" >/dev/null 2>"$log" || { tail -40 "$log" >&2; status=1; continue; }
  if [ "$seconds" -gt 0 ]; then
    # New inputs go to a scratch copy, so the committed corpus stays small.
    work=$(mktemp -d)
    cp "$corpus"/* "$work"/
    "$target" "${options[@]}" -max_total_time="$seconds" -print_final_stats=1 "$work" >"$log" 2>&1 ||
      { tail -40 "$log" >&2; status=1; }
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
    speed=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log")
    coverage=$(grep -o 'cov: [0-9]* ft: [0-9]*' "$log" | tail -1)
    echo "   $seconds s: ${runs:-?} executions (${speed:-?}/s), $coverage"
    rm -rf "$work"
  fi
done
exit $status
