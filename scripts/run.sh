#!/usr/bin/env bash
# Installs what is missing, builds Orebell and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/setup-debian.sh
cmake --preset release >/dev/null
cmake --build --preset release --target Orebell_III
exec ./build/release/bin/Orebell_III "$@"
