#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs the build into a temporary prefix and builds a program against the engine there through
# pkg-config (the Debian package test builds one through find_package).
# Usage: install_test.sh BUILD_DIR SOURCE_DIR C_COMPILER "EXTRA_C_FLAGS"
set -euo pipefail
build=$1 source=$2 cc=$3 extra=${4:-}
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT

cmake --install "$build" --prefix "$prefix" >/dev/null

for f in bin/vaporlane bin/vaporlane-calc include/aquaprop.h share/vaporlane/Vaporlane.hlp \
         share/applications/org.vaporlane.Vaporlane.desktop share/metainfo/org.vaporlane.Vaporlane.metainfo.xml \
         share/icons/hicolor/48x48/apps/org.vaporlane.Vaporlane.png share/man/man1/vaporlane-calc.1; do
  [ -e "$prefix/$f" ] || { echo "missing after install: $f"; exit 1; }
done

# The pkg-config file names the configured prefix; the temporary one replaces it.
pc=$(find "$prefix" -name aquaprop.pc)
export PKG_CONFIG_PATH=$(dirname "$pc")
pkg_config() { pkg-config --define-variable=prefix="$prefix" "$@"; }
libdir=$(pkg_config --variable=libdir aquaprop)
[ -e "$libdir/libaquaprop.so.1" ] || { echo "no libaquaprop.so.1 in $libdir"; exit 1; }
# shellcheck disable=SC2086
"$cc" $extra "$source/tests/packaging/consumer/consumer.c" $(pkg_config --cflags --libs aquaprop) \
  -Wl,-rpath,"$libdir" -o "$prefix/consumer-pc"
got=$("$prefix/consumer-pc")
[ "$got" = "179.88563239 refused" ] || { echo "pkg-config consumer printed '$got'"; exit 1; }

# The installed program finds its engine library through its run path.
if ldd "$prefix/bin/vaporlane-calc" | grep -q 'libaquaprop.*not found'; then
  echo "installed vaporlane-calc does not find libaquaprop"; exit 1
fi

# The installed companion takes its units from the user's settings file, as its --help says.
mkdir -p "$prefix/config/vaporlane"
printf '2\r\n15\r\n' >"$prefix/config/vaporlane/Vaporlane.cfg"
got=$(XDG_CONFIG_HOME="$prefix/config" "$prefix/bin/vaporlane-calc" -p 760 | head -n 1)
[ "$got" = " 圧力          P   =      760.00000000 [mmHg]" ] ||
  { echo "installed vaporlane-calc did not read the user's settings file: '$got'"; exit 1; }
echo "install test passed"
