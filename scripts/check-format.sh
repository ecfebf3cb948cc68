#!/usr/bin/env bash
# Fails when a C++ file of the tree is not formatted by the repository's .clang-format.
set -euo pipefail
cd "$(dirname "$0")/.."
files=$(git ls-files -co --exclude-standard -- '*.cpp' '*.h' | grep -v '^build/' || true)
[ -z "$files" ] && exit 0
# shellcheck disable=SC2086
clang-format --dry-run --Werror $files
