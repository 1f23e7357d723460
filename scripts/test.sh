#!/usr/bin/env bash
# Installs what is missing, builds (warnings are errors), runs every test, then builds the
# core and its tests under the address and undefined-behaviour sanitizers and runs them too,
# and sessions judging at once under the thread sanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
# A whole build from scratch: the core in a few large units is twice as fast.
KINEMO_UNITY=ON scripts/build.sh
export QT_QPA_PLATFORM=offscreen
ctest --test-dir build --output-on-failure -j"$(nproc)" --timeout 600
scripts/sanitize.sh
scripts/tsan.sh
