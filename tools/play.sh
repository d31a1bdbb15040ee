#!/usr/bin/env bash
# Installs what building and playing need (no test tools), builds what
# playing needs (the game, its pictures, sounds, labyrinths, recordings and
# default settings; no tests, no benchmarks) and starts the game in its
# ready-to-run folder, build/install/run.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/bootstrap.sh play
cmake --preset install >/dev/null
cmake --build --preset play
exec build/install/run/zauberlabyrinth "$@"
