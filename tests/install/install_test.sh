#!/usr/bin/env bash
# Installs the build into a temporary prefix and builds a program against the engine there, once through
# pkg-config and once through find_package.
# Usage: install_test.sh BUILD_DIR SOURCE_DIR C_COMPILER "EXTRA_C_FLAGS"
set -euo pipefail
build=$1 source=$2 cc=$3 extra=${4:-}
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT

cmake --install "$build" --prefix "$prefix" >/dev/null

for f in bin/vaporlane bin/vaporlane-calc include/aquaprop.h share/vaporlane/Vaporlane.hlp \
         share/applications/org.vaporlane.Vaporlane.desktop \
         share/icons/hicolor/48x48/apps/org.vaporlane.Vaporlane.png; do
  [ -e "$prefix/$f" ] || { echo "missing after install: $f"; exit 1; }
done

expected="179.88563239 refused"

pc=$(find "$prefix" -name aquaprop.pc)
export PKG_CONFIG_PATH=$(dirname "$pc")
libdir=$(pkg-config --variable=libdir aquaprop)
[ -e "$libdir/libaquaprop.so.1" ] || { echo "no libaquaprop.so.1 in $libdir"; exit 1; }
# shellcheck disable=SC2086
"$cc" $extra "$source/tests/install/consumer/consumer.c" $(pkg-config --cflags --libs aquaprop) \
  -Wl,-rpath,"$libdir" -o "$prefix/consumer-pc"
got=$("$prefix/consumer-pc")
[ "$got" = "$expected" ] || { echo "pkg-config consumer printed '$got'"; exit 1; }

cmake -S "$source/tests/install/consumer" -B "$prefix/consumer-build" -DCMAKE_PREFIX_PATH="$prefix" \
  -DCMAKE_C_COMPILER="$cc" -DCMAKE_C_FLAGS="$extra" -DCMAKE_EXE_LINKER_FLAGS="$extra" >/dev/null
cmake --build "$prefix/consumer-build" >/dev/null
got=$("$prefix/consumer-build/consumer")
[ "$got" = "$expected" ] || { echo "find_package consumer printed '$got'"; exit 1; }

# The installed program finds its engine library through its run path.
if ldd "$prefix/bin/vaporlane-calc" | grep -q 'libaquaprop.*not found'; then
  echo "installed vaporlane-calc does not find libaquaprop"; exit 1
fi
echo "install test passed"
