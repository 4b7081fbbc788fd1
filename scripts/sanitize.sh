#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds the kit with AddressSanitizer and UndefinedBehaviorSanitizer in
# build-asan and runs the whole test suite there. Extra arguments go to ctest
# (for instance -R bank_ to run some tests only).
#
# Leak checking is on, and the suite runs clean with it on Debian 12. Qt
# keeps some one-off allocations (plugins, fonts, platform caches) for the
# life of the process; should a platform plugin ever report those as leaks,
# run with ASAN_OPTIONS=detect_leaks=0 instead.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
if [ ! -f build-asan/CMakeCache.txt ]; then
  cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DBRENLOQ_SANITIZE=ON >/dev/null
fi
ninja -C build-asan -j "${JOBS:-2}"

export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1:detect_stack_use_after_return=1:check_initialization_order=1:strict_init_order=1}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}"
ctest --test-dir build-asan --output-on-failure -j 2 --timeout 600 "$@"
