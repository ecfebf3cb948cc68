#!/usr/bin/env bash
# Installs what the program needs and is missing, builds the program alone (no tests) with all
# that installing it or packaging it takes, and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/setup-debian.sh run
cmake --preset run >/dev/null
cmake --build --preset run
exec ./build/run/bin/Orebell_III "$@"
