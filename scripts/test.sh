#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs what is needed, builds, and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
# A new compiler warning fails the run.
bash scripts/build.sh -DBRENLOQ_WERROR=ON
ctest --test-dir build --output-on-failure -j 2 --timeout 300
# Every file's copyright and licence.
bash scripts/reuse-check.sh
# The kept fuzz inputs, then 10 s of each fuzzer (a clang build of the bank
# in build-fuzz, about a minute from scratch): longer runs by hand.
bash scripts/fuzz.sh 10
