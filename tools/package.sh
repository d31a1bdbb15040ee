#!/usr/bin/env bash
# Builds the Debian package build/package/zauberlabyrinth_<version>_<arch>.deb
# (the programs in /usr/games, their files in /usr/share/games/zauberlabyrinth,
# menu entries, icons, manual pages, the software-centre entry), then checks
# it: lintian must report no error, and appstreamcli and
# desktop-file-validate must accept its entries.
#   apt install ./build/package/zauberlabyrinth_*.deb     installs it
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/bootstrap.sh package
# Debian's compiler and linker flags (hardening), as a Debian build has them.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
for flag in CFLAGS CXXFLAGS CPPFLAGS LDFLAGS; do
  export "$flag=$(dpkg-buildflags --get "$flag")"
done
export CXXFLAGS="$CXXFLAGS $CPPFLAGS" CFLAGS="$CFLAGS $CPPFLAGS"
cmake --preset package >/dev/null
cmake --build --preset package
rm -f build/package/zauberlabyrinth_*.deb
(cd build/package && cpack --config CPackConfig.cmake)
deb=$(ls build/package/zauberlabyrinth_*.deb)

check=$(mktemp -d)
trap 'rm -rf "$check"' EXIT
dpkg-deb -x "$deb" "$check"
appstreamcli validate --no-net "$check"/usr/share/metainfo/*.metainfo.xml
desktop-file-validate "$check"/usr/share/applications/*.desktop
"$check/usr/games/zauberlabyrinth" --version
# Errors fail; warnings and notes are shown.
lintian --fail-on error --display-info "$deb"
echo "package: $deb"
