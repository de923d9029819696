#!/usr/bin/env bash
# Installs what is missing, builds and starts the program.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DKOLORITON_BUILD_TESTS=OFF >/dev/null
cmake --build build --parallel "$(nproc)"
exec build/run/koloriton
