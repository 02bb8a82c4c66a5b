#!/usr/bin/env bash
# Installs what is missing, builds, and starts GIORNARO in build/run, the
# folder that holds its files (lune.dat, luogo.txt, NewData.txt).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
bash scripts/build.sh
mkdir -p build/run
if [ -f build/lune.dat ]; then cp -f build/lune.dat build/run/lune.dat; fi
cd build/run
exec ../giornaro "$@"
