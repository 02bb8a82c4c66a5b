#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test.
# Under CI (CI=true) warnings are errors.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
options=()
if [ "${CI:-}" = "true" ]; then options+=(-DGIORNARO_WERROR=ON); fi
bash scripts/build.sh "${options[@]}" "$@"
ctest --test-dir build --output-on-failure -j2
