#!/usr/bin/env bash
# Installs the Debian packages that building, testing and running need
# (xvfb, xdotool and x11-apps for the tests in a real window,
# desktop-file-utils to check the desktop entries; emscripten, chromium and
# node for the browser edition and its tests) and the browser tests' npm
# packages.
# Does nothing when all are there; otherwise one apt-get update and one
# install, as root or through sudo.
set -euo pipefail

packages=(
  g++ cmake ninja-build pkg-config git
  libsdl2-dev libsdl2-mixer-dev libpng-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  clang libclang-rt-14-dev
  xvfb xauth xdotool x11-apps desktop-file-utils python3
  emscripten nodejs chromium
)
# npm comes with some builds of node; Debian packs it separately.
command -v npm >/dev/null || packages+=(npm)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

# The browser tests' driver, pinned by tests/web/package-lock.json.
install_browser_driver() {
  if [ ! -d tests/web/node_modules/puppeteer-core ] && command -v npm >/dev/null; then
    (cd tests/web && npm ci --no-audit --no-fund)
  fi
}

if [ ${#missing[@]} -eq 0 ]; then
  install_browser_driver
  exit 0
fi

echo "Installing: ${missing[*]}"
if [ "$(id -u)" -eq 0 ]; then
  as_root=()
else
  as_root=(sudo)
fi
"${as_root[@]}" apt-get update
DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
install_browser_driver
