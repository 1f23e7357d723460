#!/usr/bin/env bash
# Configures and builds Kinemo in ./build (Release with debug info; every warning is an error).
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKINEMO_WERROR=ON >/dev/null
cmake --build build -j"$(nproc)"
