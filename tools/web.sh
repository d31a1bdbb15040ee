#!/usr/bin/env bash
# Installs what is missing, builds the browser edition into build/web/site
# (the desktop install build makes its pictures, sounds and levels) and
# serves it at http://localhost:8000/ (index.html the game, editor.html the
# editor). With --build-only it only builds.
#
# The site is plain static files: any static web host can serve the folder.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/bootstrap.sh web
# Debian's emscripten runs its optimizer under node with the modules Debian
# installs there; a node from elsewhere does not look in that folder.
export NODE_PATH=/usr/share/nodejs${NODE_PATH:+:$NODE_PATH}
cmake --preset install >/dev/null
cmake --preset web >/dev/null
cmake --build --preset web
if [ "${1:-}" = "--build-only" ]; then
  exit 0
fi
port=${ZL_WEB_PORT:-8000}
echo "Zauberlabyrinth im Browser: http://localhost:$port/  (Editor: http://localhost:$port/editor.html)"
exec python3 -m http.server "$port" --bind 127.0.0.1 --directory build/web/site
