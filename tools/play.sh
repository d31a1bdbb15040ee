#!/usr/bin/env bash
# Installs what is missing, builds the release and starts the game in its
# ready-to-run folder.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/bootstrap.sh
cmake --preset release -DZL_WERROR=OFF >/dev/null
cmake --build --preset release
cd build/release/run
exec ./zauberlabyrinth
