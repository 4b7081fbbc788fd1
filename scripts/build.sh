#!/usr/bin/env bash
# Configures and builds the kit in build/ (the folder is reused, so a second
# run only rebuilds what changed).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
if [ ! -f build/CMakeCache.txt ]; then
  cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
fi
cmake --build build -j "$(nproc)"
