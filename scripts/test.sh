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
# The view must paint as Qt paints whatever the fonts: the gui tests on a minimal set-up (the
# system's without Liberation and URW: DejaVu) and on a desktop's (Liberation Sans first, URW,
# slight hinting).
fonts=$(mktemp -d)
printf '<?xml version="1.0"?>\n<fontconfig>\n  <include ignore_missing="yes">/etc/fonts/fonts.conf</include>\n  <selectfont><rejectfont><glob>*/liberation*</glob><glob>*/urw-base35/*</glob></rejectfont></selectfont>\n  <cachedir>%s/cache</cachedir>\n</fontconfig>\n' \
  "$fonts" >"$fonts/minimal.conf"
printf '<?xml version="1.0"?>\n<fontconfig>\n  <include ignore_missing="yes">/etc/fonts/fonts.conf</include>\n  <match target="font">\n    <edit name="hinting" mode="assign"><bool>true</bool></edit>\n    <edit name="hintstyle" mode="assign"><const>hintslight</const></edit>\n  </match>\n  <cachedir>%s/cache</cachedir>\n</fontconfig>\n' \
  "$fonts" >"$fonts/desktop.conf"
for setup in minimal desktop; do
  echo "gui tests on the $setup font set-up"
  FONTCONFIG_FILE="$fonts/$setup.conf" QT_QPA_PLATFORM=offscreen build/dev/tests/test_gui --gtest_brief=1
done
rm -rf "$fonts"

cmake --preset asan >/dev/null
cmake --build --preset asan
ctest --preset asan

./scripts/fuzz-smoke.sh 30
./scripts/package-test.sh build/dev

# Windows, cross-built and run under Wine, when the kit is in its cache folder.
./scripts/windows/test.sh
