#!/bin/sh
# SPDX-License-Identifier: MIT
# Every source file of the checkout names its licence within its first three lines.
cd "$1" || exit 1
if ! git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
  echo "SKIPPED: not a git checkout, so the source files cannot be listed"
  exit 77
fi
missing=$(git ls-files -- '*.cpp' '*.h' '*.c' '*.def' '*.py' '*.sh' '*.cmake' '*.in' '*CMakeLists.txt' \
              Makefile debian/rules scripts .ci |
          while read -r f; do head -n 3 "$f" | grep -q 'SPDX-License-Identifier: MIT' || echo "$f"; done)
if [ -n "$missing" ]; then
  printf 'Source files without the SPDX line:\n%s\n' "$missing"
  exit 1
fi
