#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test: the unit and end-to-end
# tests (on an English and a German desk), the same tests under AddressSanitizer and
# UndefinedBehaviorSanitizer, the fuzz targets on their saved corpora, and the installed package.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/setup-debian.sh test
./scripts/check-format.sh
# The README's run command builds the program alone: its preset must not reach the tests.
cmake --preset run >/dev/null
if ninja -C build/run -t targets all | grep -q '^tests/'; then
  echo "the run preset builds test code" >&2; exit 1
fi

cmake --preset dev >/dev/null
cmake --build --preset dev
ctest --preset dev
# Once more on a German desk (comma decimals, dot grouping), so that no locale fault comes back.
LANG=de_DE.UTF-8 LC_ALL=de_DE.UTF-8 ctest --preset dev

cmake --preset asan >/dev/null
cmake --build --preset asan
ctest --preset asan

./scripts/fuzz-smoke.sh 30
./scripts/package-test.sh build/dev
