#!/usr/bin/env bash
# The Windows leg of the tests: the windows preset built against the kit, every test run under
# Wine, the packages made and tried end to end. Without the kit in its cache folder it says so
# and does nothing (scripts/windows/build-kit.sh builds the kit, about an hour on two cores).
set -euo pipefail
cd "$(dirname "$0")/../.."
. scripts/windows/kit-version.sh
kit=${OREBELL_WINDOWS_KIT:-$HOME/.cache/orebell/windows-kit-$OREBELL_KIT_VERSION}
if [ ! -f "$kit/.complete" ]; then
  echo "Windows leg SKIPPED: no Windows kit in $kit (scripts/windows/build-kit.sh builds it)."
  exit 0
fi
./scripts/setup-debian.sh windows
cmake --preset windows -DCMAKE_PREFIX_PATH="$kit" >/dev/null
cmake --build --preset windows
# The Wine prefix and session are made before the tests, so that no test's time-out pays for them.
./scripts/windows/wine-run.sh wineboot
ctest --preset windows --output-on-failure
