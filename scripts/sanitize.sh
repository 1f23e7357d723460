#!/usr/bin/env bash
# Builds the core, the command-line tool, their tests and the fuzz targets with clang under
# AddressSanitizer and UndefinedBehaviorSanitizer in ./build-asan, and runs those tests there
# (each fuzz target for half a minute from its seeds).
set -euo pipefail
cd "$(dirname "$0")/.."
CC=clang CXX=clang++ cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  "-DCMAKE_CXX_FLAGS_RELWITHDEBINFO=-O1 -gline-tables-only" -DKINEMO_SANITIZE=ON \
  -DKINEMO_BUILD_FUZZ=ON -DKINEMO_UNITY=ON -DKINEMO_BUILD_UI=OFF -DKINEMO_BUILD_BENCH=OFF >/dev/null
cmake --build build-asan -j"$(nproc)"
# The command-line loops that start the program hundreds of times run every fourth case
# here, and sessions judging at once the first three examples: the plain build runs them
# all, the thread sanitizer stage checks the threads, the sanitizers here add little more.
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1 KINEMO_TEST_SAMPLE=4 \
  KINEMO_THREAD_TEST_EXAMPLES=3 \
  ctest --test-dir build-asan --output-on-failure -j"$(nproc)" --timeout 900
