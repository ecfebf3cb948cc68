#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/setup-debian.sh
./scripts/check-format.sh
cmake --preset dev >/dev/null
cmake --build --preset dev
ctest --preset dev
