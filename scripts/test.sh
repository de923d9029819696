#!/usr/bin/env bash
# Installs what is missing, builds and runs the whole test suite headlessly.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/check-layers.sh
cmake -S . -B build-tests -DCMAKE_BUILD_TYPE=Debug -DKOLORITON_BUILD_TESTS=ON -DKOLORITON_WERROR=ON >/dev/null
cmake --build build-tests --parallel "$(nproc)"
QT_QPA_PLATFORM=offscreen ctest --test-dir build-tests --output-on-failure --parallel "$(nproc)"
