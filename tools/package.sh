#!/usr/bin/env bash
# Builds the Debian package build/package/zauberlabyrinth_<version>_<arch>.deb
# (the programs in /usr/games, their files in /usr/share/games/zauberlabyrinth,
# menu entries, icons, manual pages, the software-centre entry), then checks
# it: lintian must report no error, and appstreamcli and
# desktop-file-validate must accept its entries.
#   apt install ./build/package/zauberlabyrinth_*.deb     installs it
#
# Where the project is published is given here, never made up; each is left
# out of the package when not given:
#   ZL_HOMEPAGE=https://...          its web address
#   ZL_SCREENSHOT_URL=https://...    where the README's pictures (docs/*.png) are published
#   ZL_APP_DOMAIN=org.example        its domain reversed, the start of the software-centre id
# e.g. ZL_HOMEPAGE=https://example.org/zl bash tools/package.sh
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/bootstrap.sh package
# Debian's compiler and linker flags (hardening), as a Debian build has them.
# They and the addresses are handed to every configure run, so a build
# folder configured before takes them as well: what this run is given is
# what the package is made with.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
cppflags=$(dpkg-buildflags --get CPPFLAGS)
cmake --preset package \
  "-DCMAKE_CXX_FLAGS=$(dpkg-buildflags --get CXXFLAGS) $cppflags" \
  "-DCMAKE_C_FLAGS=$(dpkg-buildflags --get CFLAGS) $cppflags" \
  "-DCMAKE_EXE_LINKER_FLAGS=$(dpkg-buildflags --get LDFLAGS)" \
  "-DZL_HOMEPAGE=${ZL_HOMEPAGE:-}" \
  "-DZL_SCREENSHOT_URL=${ZL_SCREENSHOT_URL:-}" \
  "-DZL_APP_DOMAIN=${ZL_APP_DOMAIN:-}" >/dev/null
cmake --build --preset package
rm -f build/package/zauberlabyrinth_*.deb
(cd build/package && cpack --config CPackConfig.cmake)
deb=$(ls build/package/zauberlabyrinth_*.deb)

check=$(mktemp -d)
trap 'rm -rf "$check"' EXIT
dpkg-deb -x "$deb" "$check"
# With the network, so that the addresses given above are tried.
appstreamcli validate "$check"/usr/share/metainfo/*.metainfo.xml
desktop-file-validate "$check"/usr/share/applications/*.desktop
"$check/usr/games/zauberlabyrinth" --version
# Errors fail; warnings and notes are shown.
lintian --fail-on error --display-info "$deb"
echo "package: $deb"
