#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The manual pages render without a warning and name the project's version, and vaporlane-calc(1) documents
# every option and every unit name that `vaporlane-calc --help` lists.
# Usage: man_pages_test.sh MAN_FOLDER VAPORLANE_CALC PROJECT_VERSION
set -euo pipefail
pages=$1 companion=$2 version=$3

command -v groff >/dev/null || { echo "SKIPPED: groff is missing (scripts/install-deps installs it)"; exit 77; }

failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

for page in "$pages"/*.1; do
  warnings=$(LC_ALL=C.UTF-8 groff -k -ww -man -Tutf8 -z "$page" 2>&1)
  [ -z "$warnings" ] || fail "groff warns on $(basename "$page"): $warnings"
  if command -v man >/dev/null 2>&1; then
    warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z "$page" 2>&1 >/dev/null )
    [ -z "$warnings" ] || fail "man -l warns on $(basename "$page"): $warnings"
  fi
  grep -qE "^\.TH .* \"Vaporlane ${version//./\\.}\"" "$page" || fail "$(basename "$page") is not of version $version"
done

page=$pages/vaporlane-calc.1
help=$("$companion" --help)

# Each option is the tag of an item (the line after .TP), written \-x or \-\-name.
tags=$(awk 'tag { print; tag = 0 } /^\.TP/ { tag = 1 }' "$page" | sed 's/\\-/-/g')
options=$(sed -n '/^Options:/,/^$/p' <<<"$help" | grep -oE '(^|[ ,])--?[a-zA-Z][a-z-]*' | tr -d ' ,' | sort -u)
[ -n "$options" ] || fail "found no options in --help"
for option in $options; do
  grep -qE -- "(^|[^a-z-])${option}([^a-z-]|$)" <<<"$tags" || fail "vaporlane-calc.1 has no item for $option"
done

# Unit names with their codes, "Kg/cm2G (14)": the page gives both on one line.
units=$(sed -n '/^Units, by name or by code:/,/^[^ ]/p' <<<"$help" | sed 's/^  --[a-z-]* *//; s/^ *//')
count=0
while IFS= read -r unit; do
  name=${unit% (*} code=${unit##* (}
  code=${code%)}
  count=$((count + 1))
  grep -F -- "$name" "$page" | grep -qF "($code)" || fail "vaporlane-calc.1 does not list the unit $name ($code)"
done < <(tr ',' '\n' <<<"$units" | sed -nE 's/^ *(.+ \([0-9]+\)) *$/\1/p')
[ "$count" -ge 20 ] || fail "found only $count unit names in --help"

[ "$failures" -eq 0 ] || exit 1
echo "man pages passed: $(ls "$pages")"
