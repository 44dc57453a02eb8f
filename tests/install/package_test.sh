#!/usr/bin/env bash
# Builds the Debian package from a build folder and checks that it holds what a desktop installation needs.
# Usage: package_test.sh BUILD_DIR
set -euo pipefail
build=$1
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT

cpack -G DEB --config "$build/CPackConfig.cmake" -B "$out" >/dev/null
deb=$(ls "$out"/vaporlane_*.deb)
contents=$(dpkg-deb -c "$deb" | awk '{print $6}')
for f in ./usr/bin/vaporlane ./usr/bin/vaporlane-calc ./usr/include/aquaprop.h ./usr/lib/libaquaprop.so.1 \
         ./usr/lib/pkgconfig/aquaprop.pc ./usr/lib/cmake/aquaprop/aquapropConfig.cmake \
         ./usr/share/vaporlane/Vaporlane.hlp ./usr/share/applications/org.vaporlane.Vaporlane.desktop \
         ./usr/share/icons/hicolor/256x256/apps/org.vaporlane.Vaporlane.png; do
  grep -qxF "$f" <<<"$contents" || { echo "package lacks $f"; exit 1; }
done
depends=$(dpkg-deb -f "$deb" Depends)
grep -q 'libqt6widgets6' <<<"$depends" || { echo "package does not depend on Qt Widgets: $depends"; exit 1; }
[ "$(dpkg-deb -f "$deb" Package)" = vaporlane ] || { echo "wrong package name"; exit 1; }
echo "package test passed: $(basename "$deb")"
