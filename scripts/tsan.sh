#!/usr/bin/env bash
# Builds the core and the test of sessions judging at once with clang under ThreadSanitizer
# in ./build-tsan and runs it on the first examples (the plain build runs every example).
set -euo pipefail
cd "$(dirname "$0")/.."
CC=clang CXX=clang++ cmake -S . -B build-tsan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  "-DCMAKE_CXX_FLAGS_RELWITHDEBINFO=-O1 -gline-tables-only" -DKINEMO_TSAN=ON \
  -DKINEMO_UNITY=ON -DKINEMO_BUILD_UI=OFF -DKINEMO_BUILD_BENCH=OFF >/dev/null
cmake --build build-tsan -j"$(nproc)" --target kinemo_thread_tests
TSAN_OPTIONS=halt_on_error=1:second_deadlock_stack=1 KINEMO_THREAD_TEST_EXAMPLES=3 \
  build-tsan/bin/kinemo_thread_tests
