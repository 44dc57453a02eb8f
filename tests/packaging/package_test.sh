#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the Debian packages with dpkg-buildpackage from a copy of the source tree, has lintian, appstreamcli
# and desktop-file-validate review them, checks what each package holds and needs, and uses the unpacked
# packages: the companion runs, and programs build against the development package through pkg-config and
# find_package.
# Usage: package_test.sh SOURCE_DIR BUILD_DIR WORK_DIR C_COMPILER PROJECT_VERSION
# WORK_DIR (inside the build tree) keeps the source copy, the packages and the logs after the run.
# Exit status 77 (skipped) where dpkg-buildpackage cannot run.
set -euo pipefail
source=$(realpath "$1") build=$(realpath "$2") work=$3 cc=$4 version=$5.0
here=$(cd "$(dirname "$0")" && pwd)

for tool in dpkg-buildpackage dh; do
  if ! command -v "$tool" >/dev/null 2>&1; then
    echo "SKIPPED: $tool is missing, so the Debian packages cannot be built here" \
         "(scripts/install-deps installs dpkg-dev and debhelper on Debian)"
    exit 77
  fi
done
for tool in lintian appstreamcli desktop-file-validate pkg-config; do
  command -v "$tool" >/dev/null || { echo "FAIL: $tool is missing; scripts/install-deps installs it"; exit 1; }
done

failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# The source copy: tracked and new files, without build trees (dpkg-buildpackage writes into its parent).
rm -rf "$work"
mkdir -p "$work/vaporlane"
if git -C "$source" rev-parse --show-toplevel >/dev/null 2>&1; then
  inside_build=$(realpath -m --relative-to="$source" "$build")
  (cd "$source" && git ls-files -z --cached --others --exclude-standard |
     grep -zv "^${inside_build}/" | tar --null --ignore-failed-read -T - -cf -) | tar -xf - -C "$work/vaporlane"
else
  tar -C "$source" --exclude-vcs --exclude='./build*' -cf - . | tar -xf - -C "$work/vaporlane"
fi

# A make or ctest run above this one must not lend its job server or settings to the package build.
unset MAKEFLAGS MFLAGS MAKELEVEL DESTDIR CFLAGS CXXFLAGS CPPFLAGS LDFLAGS
started=$SECONDS
if ! (cd "$work/vaporlane" &&
      DEB_BUILD_OPTIONS="nocheck parallel=$(nproc)" dpkg-buildpackage -b -us -uc -Pnocheck) >"$work/build.log" 2>&1
then
  tail -n 40 "$work/build.log"
  echo "FAIL: dpkg-buildpackage failed; the whole log is $work/build.log"
  exit 1
fi
echo "dpkg-buildpackage: $((SECONDS - started)) s"

arch=$(dpkg-architecture -qDEB_HOST_ARCH)
multiarch=$(dpkg-architecture -qDEB_HOST_MULTIARCH)
deb() { echo "$work/${1}_${version}_$([ "$1" = python3-aquaprop ] && echo all || echo "$arch").deb"; }
for package in libaquaprop1 libaquaprop-dev vaporlane python3-aquaprop libaquaprop1-dbgsym vaporlane-dbgsym; do
  [ -f "$(deb $package)" ] || { echo "FAIL: no $(basename "$(deb $package)")"; ls "$work"; exit 1; }
done

# lintian: no error and no warning apart from the one every package not yet in Debian carries.
started=$SECONDS
lintian --fail-on none --info --display-level '>=info' --show-overrides \
  "$work/vaporlane_${version}_${arch}.changes" >"$work/lintian.log" 2>&1 || true
echo "lintian: $((SECONDS - started)) s"
cat "$work/lintian.log"
if grep -E '^[EW]: ' "$work/lintian.log" | grep -v ' initial-upload-closes-no-bugs' | grep -q .; then
  fail "lintian reports errors or warnings (above)"
fi

# What each package holds.
files_of() { dpkg-deb -c "$(deb "$1")" | awk '$1 !~ /^d/ { sub(/^\./, "", $6); print $6 }' | LC_ALL=C sort; }
expect_files() {
  local package=$1 expected
  expected=$(sed "s|@MULTIARCH@|$multiarch|" | LC_ALL=C sort)
  diff <(echo "$expected") <(files_of "$package") >"$work/files.diff" ||
    { fail "$package holds other files than expected (< expected, > packaged):"; cat "$work/files.diff"; }
}
expect_files libaquaprop1 <<'EOF'
/usr/lib/@MULTIARCH@/libaquaprop.so.1
/usr/lib/@MULTIARCH@/libaquaprop.so.1.40.0
/usr/share/doc/libaquaprop1/changelog.gz
/usr/share/doc/libaquaprop1/copyright
EOF
expect_files libaquaprop-dev <<'EOF'
/usr/include/aquaprop.h
/usr/lib/@MULTIARCH@/cmake/aquaprop/aquapropConfig.cmake
/usr/lib/@MULTIARCH@/cmake/aquaprop/aquapropConfigVersion.cmake
/usr/lib/@MULTIARCH@/cmake/aquaprop/aquapropTargets-none.cmake
/usr/lib/@MULTIARCH@/cmake/aquaprop/aquapropTargets.cmake
/usr/lib/@MULTIARCH@/libaquaprop.so
/usr/lib/@MULTIARCH@/pkgconfig/aquaprop.pc
/usr/share/doc/libaquaprop-dev/changelog.gz
/usr/share/doc/libaquaprop-dev/copyright
/usr/share/doc/libaquaprop-dev/engine.md.gz
/usr/share/doc/libaquaprop-dev/examples/example.c
EOF
expect_files python3-aquaprop <<'EOF'
/usr/lib/python3/dist-packages/aquaprop/__init__.py
/usr/lib/python3/dist-packages/aquaprop/_library.py
/usr/lib/python3/dist-packages/aquaprop/functions.py
/usr/lib/python3/dist-packages/aquaprop/state.py
/usr/share/doc/python3-aquaprop/changelog.gz
/usr/share/doc/python3-aquaprop/copyright
/usr/share/doc/python3-aquaprop/examples/million_states.py
/usr/share/doc/python3-aquaprop/examples/saturation_table.py
/usr/share/doc/python3-aquaprop/examples/turbine.py
/usr/share/doc/python3-aquaprop/python.md.gz
EOF
expect_files vaporlane <<'EOF'
/usr/bin/vaporlane
/usr/bin/vaporlane-calc
/usr/share/applications/org.vaporlane.Vaporlane.desktop
/usr/share/doc/vaporlane/changelog.gz
/usr/share/doc/vaporlane/copyright
/usr/share/icons/hicolor/128x128/apps/org.vaporlane.Vaporlane.png
/usr/share/icons/hicolor/16x16/apps/org.vaporlane.Vaporlane.png
/usr/share/icons/hicolor/22x22/apps/org.vaporlane.Vaporlane.png
/usr/share/icons/hicolor/24x24/apps/org.vaporlane.Vaporlane.png
/usr/share/icons/hicolor/256x256/apps/org.vaporlane.Vaporlane.png
/usr/share/icons/hicolor/32x32/apps/org.vaporlane.Vaporlane.png
/usr/share/icons/hicolor/48x48/apps/org.vaporlane.Vaporlane.png
/usr/share/icons/hicolor/64x64/apps/org.vaporlane.Vaporlane.png
/usr/share/man/man1/vaporlane-calc.1.gz
/usr/share/man/man1/vaporlane.1.gz
/usr/share/metainfo/org.vaporlane.Vaporlane.metainfo.xml
/usr/share/vaporlane/Vaporlane.hlp
EOF

# What each package needs.
field() { dpkg-deb -f "$(deb "$1")" "$2"; }
expect_field() {
  local package=$1 name=$2 pattern=$3 value
  value=$(field "$package" "$name")
  grep -qE -- "$pattern" <<<"$value" || fail "$package's $name is '$value', expected to match $pattern"
}
for package in libaquaprop1 libaquaprop-dev vaporlane python3-aquaprop; do
  expect_field "$package" Version "^${version//./\\.}$"
done
expect_field libaquaprop1 Multi-Arch '^same$'
expect_field libaquaprop1 Depends '(^|, )libc6 \(>= '
expect_field libaquaprop-dev Depends "(^|, )libaquaprop1 \(= ${version//./\\.}\)(,|$)"
expect_field vaporlane Depends "(^|, )libaquaprop1 \(= ${version//./\\.}\)(,|$)"
expect_field vaporlane Depends 'libqt6widgets6'
expect_field python3-aquaprop Depends "(^|, )libaquaprop1 \(>= ${version//./\\.}\)(,|$)"
expect_field python3-aquaprop Depends '(^|, )python3-numpy(,|$)'
expect_field python3-aquaprop Depends '(^|, )python3(:any)?( |,|$)'
expect_field vaporlane Recommends '^fonts-ipafont-gothic \| fonts-noto-cjk$'
if field libaquaprop1 Depends | grep -qi 'qt'; then
  fail "libaquaprop1 depends on Qt: $(field libaquaprop1 Depends)"
fi

root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
for package in libaquaprop1 libaquaprop-dev vaporlane python3-aquaprop; do
  dpkg -x "$(deb "$package")" "$root"
done
libdir=$root/usr/lib/$multiarch

# The library's control files: the ldconfig trigger, and a symbols file that lists exactly what it exports.
dpkg-deb -e "$(deb libaquaprop1)" "$root/control"
grep -qx 'activate-noawait ldconfig' "$root/control/triggers" || fail "libaquaprop1 has no ldconfig trigger"
listed=$(awk '/^ / { sub(/@.*/, "", $1); print $1 }' "$root/control/symbols" | LC_ALL=C sort)
exported=$(nm -D --defined-only "$libdir/libaquaprop.so.1" | awk '{ print $3 }' | LC_ALL=C sort)
diff <(echo "$listed") <(echo "$exported") >"$work/symbols.diff" ||
  { fail "the symbols file differs from the exported symbols (< listed, > exported):"; cat "$work/symbols.diff"; }

# Desktop integration as software centres and menus read it.
appstreamcli validate --no-net "$root/usr/share/metainfo/org.vaporlane.Vaporlane.metainfo.xml" ||
  fail "appstreamcli rejects the metainfo file"
desktop-file-validate "$root/usr/share/applications/org.vaporlane.Vaporlane.desktop" ||
  fail "desktop-file-validate rejects the desktop entry"
metainfo=$root/usr/share/metainfo/org.vaporlane.Vaporlane.metainfo.xml
grep -q '<launchable type="desktop-id">org.vaporlane.Vaporlane.desktop</launchable>' "$metainfo" ||
  fail "the metainfo launches another desktop id"
[ "$(grep -om1 '<release version="[^"]*"' "$metainfo")" = "<release version=\"$version\"" ] ||
  fail "the metainfo's newest release is not $version"

# The unpacked companion, on the unpacked library and with default units.
export XDG_CONFIG_HOME=$root/config
mkdir -p "$root/settings"
report=$(LD_LIBRARY_PATH=$libdir "$root/usr/bin/vaporlane-calc" -p 1 --settings-dir "$root/settings") ||
  fail "the unpacked vaporlane-calc -p 1 failed"
grep -q 'Ts  =      179.88563239 \[℃\]' <<<"$report" || fail "vaporlane-calc -p 1 printed: $report"
[ "$(LD_LIBRARY_PATH=$libdir "$root/usr/bin/vaporlane-calc" --version)" = "vaporlane-calc ${version%.0}" ] ||
  fail "vaporlane-calc --version does not print ${version%.0}"

# The Python module on Debian's python3, finding the unpacked library as an installed one.
got=$(PYTHONPATH=$root/usr/lib/python3/dist-packages LD_LIBRARY_PATH=$libdir PYTHONDONTWRITEBYTECODE=1 \
      /usr/bin/python3 -c 'import aquaprop; print("%.8f" % aquaprop.Tsat_p(1e6))') ||
  fail "the unpacked python3-aquaprop does not import"
[ "$got" = 453.03563239 ] || fail "aquaprop.Tsat_p(1e6) printed '$got'"

# The development package: pkg-config names the system's folders, and the documented example builds and runs.
export PKG_CONFIG_LIBDIR=$libdir/pkgconfig
[ "$(pkg-config --variable=includedir aquaprop)" = /usr/include ] ||
  fail "pkg-config's includedir is $(pkg-config --variable=includedir aquaprop)"
[ "$(pkg-config --variable=libdir aquaprop)" = "/usr/lib/$multiarch" ] ||
  fail "pkg-config's libdir is $(pkg-config --variable=libdir aquaprop)"
flags=$(PKG_CONFIG_SYSROOT_DIR=$root PKG_CONFIG_ALLOW_SYSTEM_CFLAGS=1 PKG_CONFIG_ALLOW_SYSTEM_LIBS=1 \
        pkg-config --cflags --libs aquaprop)
# shellcheck disable=SC2086
if "$cc" "$root/usr/share/doc/libaquaprop-dev/examples/example.c" $flags -o "$root/example"; then
  LD_LIBRARY_PATH=$libdir "$root/example" >"$root/example.out" || fail "the example program failed"
  diff "$source/docs/examples/example.out" "$root/example.out" || fail "the example program printed otherwise"
else
  fail "the example does not build through pkg-config against the unpacked package"
fi
if cmake -S "$here/consumer" -B "$root/consumer" -DCMAKE_PREFIX_PATH="$root/usr" -DCMAKE_C_COMPILER="$cc" \
     >"$work/consumer.log" 2>&1 && cmake --build "$root/consumer" >>"$work/consumer.log" 2>&1; then
  [ "$(LD_LIBRARY_PATH=$libdir "$root/consumer/consumer")" = "179.88563239 refused" ] ||
    fail "the find_package consumer printed otherwise"
else
  cat "$work/consumer.log"
  fail "find_package(aquaprop) does not work against the unpacked package"
fi

[ "$failures" -eq 0 ] || { echo "$failures failures"; exit 1; }
echo "package test passed: $(cd "$work" && echo *.deb)"
