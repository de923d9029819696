#!/usr/bin/env bash
# Builds the program and the whole test suite with AddressSanitizer and UndefinedBehaviorSanitizer
# in build-sanitizers and runs the suite there; any report of either fails its test. The resource
# sweep starts a window for each of its hundreds of cases: the normal build (scripts/test.sh) runs
# them all, here every sixth file is swept.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:strict_string_checks=1:detect_stack_use_after_return=1"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
# Leaks inside the system's font, display and sound libraries are theirs, not ours.
export LSAN_OPTIONS="suppressions=$PWD/scripts/lsan.supp:print_suppressions=0"
cmake -S . -B build-sanitizers -DCMAKE_BUILD_TYPE=Debug -DKOLORITON_BUILD_TESTS=ON -DKOLORITON_WERROR=ON \
    -DKOLORITON_SANITIZE=ON >/dev/null
cmake --build build-sanitizers --parallel "$(nproc)"
QT_QPA_PLATFORM=offscreen ctest --test-dir build-sanitizers --output-on-failure --parallel "$(nproc)" \
    -E '^app_resource_sweep$'
KOLORITON_SWEEP_EVERY=6 QT_QPA_PLATFORM=offscreen ctest --test-dir build-sanitizers --output-on-failure \
    -R '^app_resource_sweep$'
