#!/usr/bin/env bash
# Installs what is missing, builds the debug and the sanitizer builds and
# runs every test in both.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/bootstrap.sh
for preset in debug asan; do
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset"
done
status=0
for preset in debug asan; do
  echo "== tests ($preset) =="
  ctest --preset "$preset" -j2 || status=1
done
exit $status
