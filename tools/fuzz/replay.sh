#!/usr/bin/env bash
# Replays every fuzz target's corpus (tools/fuzz/corpus/<target>) through the
# target built by the fuzz preset, and optionally fuzzes each for a while:
#   bash tools/fuzz/replay.sh            # replay only
#   bash tools/fuzz/replay.sh 20         # replay, then 20 s of fuzzing each
# Fails when any input crashes a target or breaks one of its checks.
set -euo pipefail
cd "$(dirname "$0")/../.."
seconds="${1:-0}"
build=build/fuzz/tools/fuzz
status=0
for corpus in "$PWD"/tools/fuzz/corpus/*/; do
  name=$(basename "$corpus")
  target="$build/fuzz_$name"
  if [ ! -x "$target" ]; then
    echo "fuzz: $target is missing; build it with: cmake --preset fuzz && cmake --build --preset fuzz" >&2
    status=1
    continue
  fi
  echo "== fuzz_$name: replaying $(ls "$corpus" | wc -l) inputs"
  "$target" -runs=0 "$corpus" >/dev/null 2>"build/fuzz/fuzz_$name.log" || { cat "build/fuzz/fuzz_$name.log" >&2; status=1; continue; }
  if [ "$seconds" -gt 0 ]; then
    # New inputs go to a scratch copy, so the committed corpus stays small.
    work=$(mktemp -d)
    cp "$corpus"* "$work"/
    "$target" -max_total_time="$seconds" -print_final_stats=1 "$work" >"build/fuzz/fuzz_$name.log" 2>&1 ||
      { tail -40 "build/fuzz/fuzz_$name.log" >&2; status=1; }
    grep -E "stat::number_of_executed_units|cov:" "build/fuzz/fuzz_$name.log" | tail -2 || true
    rm -rf "$work"
  fi
done
exit $status
