#!/usr/bin/env bash
# Installs the Debian packages that a task needs:
#   bash tools/bootstrap.sh play      building and playing (tools/play.sh)
#   bash tools/bootstrap.sh web       that and the browser edition (tools/web.sh)
#   bash tools/bootstrap.sh package   building, playing and making the package (tools/package.sh)
#   bash tools/bootstrap.sh           everything: testing too (tools/test.sh)
# Testing adds GoogleTest, Google Benchmark, clang for the fuzz targets,
# xvfb, xdotool and x11-apps for the tests in a real window, the package's
# tools for the tests of what ships, gettext for the check of the
# catalogues (msgfmt --check), chromium and the npm packages of the browser
# tests.
# Does nothing when all are there; otherwise one apt-get update and one
# install, as root or through sudo.
set -euo pipefail
cd "$(dirname "$0")/.."

play_packages=(
  g++ cmake ninja-build pkg-config
  libsdl2-dev libsdl2-mixer-dev libpng-dev
)
web_packages=(
  emscripten nodejs python3
)
package_packages=(
  dpkg-dev file lintian appstream desktop-file-utils shared-mime-info
)
test_packages=(
  git
  libgtest-dev libgmock-dev libbenchmark-dev
  clang libclang-rt-14-dev
  xvfb xauth xdotool x11-apps
  gettext
  chromium
)

browser_tests=no
case "${1:-test}" in
  play) packages=("${play_packages[@]}") ;;
  web) packages=("${play_packages[@]}" "${web_packages[@]}") ;;
  package) packages=("${play_packages[@]}" "${package_packages[@]}") ;;
  test)
    packages=("${play_packages[@]}" "${web_packages[@]}" "${package_packages[@]}" "${test_packages[@]}")
    browser_tests=yes
    # npm comes with some builds of node; Debian packs it separately.
    command -v npm >/dev/null || packages+=(npm)
    ;;
  *) echo "bootstrap.sh: play, web, package or nothing (everything), not '$1'" >&2; exit 2 ;;
esac

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

# The browser tests' driver, pinned by tests/web/package-lock.json.
install_browser_driver() {
  if [ "$browser_tests" = yes ] && [ ! -d tests/web/node_modules/puppeteer-core ]; then
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
