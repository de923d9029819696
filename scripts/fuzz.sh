#!/usr/bin/env bash
# Installs clang, builds the fuzzers in build-fuzz and runs each one for the given number of
# seconds (default 60), seeded with the tests' own files of its kind.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
scripts/install-deps.sh clang
CC=clang CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DKOLORITON_BUILD_FUZZERS=ON -DKOLORITON_BUILD_TESTS=OFF >/dev/null
cmake --build build-fuzz --parallel "$(nproc)" --target fuzz_bmp fuzz_cursor fuzz_description fuzz_jpeg fuzz_rtf fuzz_skin
# The description fuzzer lays out text with the system's fonts, whose libraries keep their caches.
export LSAN_OPTIONS="suppressions=$PWD/scripts/lsan.supp:print_suppressions=0"
for fuzzer in build-fuzz/fuzz/fuzz_*; do
    [ -f "$fuzzer" ] && [ -x "$fuzzer" ] || continue
    topic=${fuzzer##*/fuzz_}
    corpus=build-fuzz/corpus/$topic
    mkdir -p "$corpus"
    echo "== fuzz_$topic for ${seconds}s"
    seeds=tests/data/$topic
    # The description layout fuzzer starts from the reader's own samples.
    [ "$topic" = description ] && seeds=tests/data/rtf
    "$fuzzer" -max_total_time="$seconds" -print_final_stats=1 "$corpus" "$seeds"
done
