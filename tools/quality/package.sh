#!/usr/bin/env bash
# tools/quality/package.sh: builds the Debian package into build-deb/ (or
# $RAKETA_DEB_BUILD_DIR) for the prefix /usr, and checks what it ships: the
# desktop entry (desktop-file-validate), the AppStream metainfo (appstreamcli
# validate --no-net), the man page (man -l with groff's warnings, which must
# be none) and the package itself (lintian, which must find no error).
set -euo pipefail
cd "$(dirname "$0")/../.."
build=${RAKETA_DEB_BUILD_DIR:-build-deb}

packages=(desktop-file-utils appstream man-db groff-base lintian dpkg-dev file)
source tools/install_missing.sh
install_missing "${packages[@]}"

# Debian's compiler and linker flags, hardening included (they count when
# the build folder is first configured).
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
eval "$(dpkg-buildflags --export=sh)"
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_INSTALL_PREFIX=/usr \
  -DRAKETA_INSTALL_BINDIR=games -DRAKETA_TESTS=OFF -DRAKETA_BENCH=OFF ${RAKETA_CMAKE_ARGS:-} >/dev/null
cmake --build "$build" -j2 >/dev/null
rm -f "$build"/raketa_*.deb
(cd "$build" && cpack -G DEB >/dev/null 2>&1)
deb=$(ls "$build"/raketa_*.deb)
echo "package: $deb"

# The checks look at the files as the package holds them.
tree=$build/deb-contents
rm -rf "$tree"
dpkg-deb -x "$deb" "$tree"
desktop-file-validate "$tree"/usr/share/applications/*.desktop
appstreamcli validate --no-net "$tree"/usr/share/metainfo/*.metainfo.xml
man_warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$tree"/usr/share/man/man6/raketa.6.gz 2>&1 >/dev/null)
if [ -n "$man_warnings" ]; then
  echo "man page warnings:" >&2
  echo "$man_warnings" >&2
  exit 1
fi
echo "man page: no warnings"
# Root may run lintian here; the tags are what matter.
lintian --allow-root --fail-on error "$deb"
echo "lintian: no errors"
