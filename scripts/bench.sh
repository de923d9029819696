#!/usr/bin/env bash
# Installs what the benchmarks need, builds them optimised in build-bench and runs every one;
# arguments go to each benchmark (e.g. --benchmark_filter=fill).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh libbenchmark-dev
# The place benchmark makes its 4000 x 3000 photograph from a sample photograph of the tests.
scripts/install-deps.sh lomiri-wallpapers-16.04
# The start-up benchmark runs the program in its own Xvfb and watches it through the DAMAGE extension.
scripts/install-deps.sh xvfb libxcb-damage0-dev
cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DKOLORITON_BUILD_BENCHMARKS=ON -DKOLORITON_BUILD_TESTS=OFF >/dev/null
cmake --build build-bench --parallel "$(nproc)"
for bench in build-bench/bench/bench_*; do
    [ -f "$bench" ] && [ -x "$bench" ] || continue
    echo "== ${bench##*/}"
    "$bench" "$@"
done
