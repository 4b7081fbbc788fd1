#!/usr/bin/env bash
# Installs what is needed, builds, and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
# A new compiler warning fails the run.
bash scripts/build.sh -DBRENLOQ_WERROR=ON
ctest --test-dir build --output-on-failure -j 2 --timeout 300
