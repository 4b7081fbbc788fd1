#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Fuzzes the readers of the files teachers hand in with libFuzzer under
# AddressSanitizer and UndefinedBehaviorSanitizer, for a bounded time per
# target. Every fuzz_* target fuzz/CMakeLists.txt defines is run: a new
# reader's harness joins without a change here.
#
#   bash scripts/fuzz.sh [seconds-per-target]      (default 60)
#
# Builds in build-fuzz with clang (through ccache when it is installed).
# Inputs kept in tests/data/fuzz/<target>/ (earlier failures, now fixed) are
# replayed first; a new failure stops the script and its input is copied
# there, to be kept with the fix. Seeds: the demo's files for the bank's own
# readers, fuzz/seeds/<target>/ for any other target that has one.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-60}"
build=build-fuzz

bash scripts/install-deps.sh clang libclang-rt-14-dev
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
# Configured every time (a second or two), so that a target added to
# fuzz/CMakeLists.txt since the last run is listed below.
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_COMPILER=clang++ "${launcher[@]}" \
  -DBRENLOQ_FUZZ=ON -DBRENLOQ_SANITIZE=ON -DBUILD_TESTING=OFF >/dev/null
mapfile -t targets < <(ninja -C "$build" -t targets all | sed -n "s|^bin/fuzz_\([A-Za-z0-9_]*\): CXX_EXECUTABLE_LINKER.*|\1|p" | sort -u)
[ ${#targets[@]} -gt 0 ] || { echo "no fuzz_* target in fuzz/CMakeLists.txt"; exit 1; }
ninja -C "$build" -j 2 "${targets[@]/#/fuzz_}"

export ASAN_OPTIONS="${ASAN_OPTIONS:-abort_on_error=1:detect_leaks=1}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}"

seeds_for() {
  case "$1" in
    questionfile) find demo/Preguntas -type f -name '*.txt' ;;
    languagefile) find demo/idioma -type f ;;
    textcodec) find demo/idioma demo/textos demo/Preguntas -type f -name '*.txt' | head -200 ;;
    *) [ -d "fuzz/seeds/$1" ] && find "fuzz/seeds/$1" -type f || true ;;
  esac
}

summary=()
for t in "${targets[@]}"; do
  fuzzer="$build/bin/fuzz_$t"
  kept="tests/data/fuzz/$t"
  corpus="$build/corpus/$t"
  seeds="$build/seeds/$t"
  artifacts="$build/artifacts/$t"
  mkdir -p "$corpus" "$seeds" "$artifacts"
  # Only this run's failure is copied to the kept inputs.
  rm -f "$seeds"/* "$artifacts"/*
  seeds_for "$t" | while read -r f; do cp "$f" "$seeds/$(echo "$f" | tr '/ ' '__')"; done

  replayed=0
  if compgen -G "$kept/*" >/dev/null; then
    replayed=$(ls "$kept" | wc -l)
    echo "== $t: replaying $replayed kept inputs"
    "$fuzzer" -runs=0 "$kept"/* >/dev/null 2>"$build/replay-$t.log" || {
      cat "$build/replay-$t.log"; echo "A kept input of $t fails again"; exit 1; }
  fi

  echo "== $t: fuzzing for $seconds s"
  log="$build/fuzz-$t.log"
  status=0
  "$fuzzer" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=65536 \
    -print_final_stats=1 -artifact_prefix="$artifacts/" "$corpus" "$seeds" >"$log" 2>&1 || status=$?
  runs=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$log" | grep -o '[0-9]*$' || echo "?")
  cov=$(grep -o 'cov: [0-9]*' "$log" | tail -1 | grep -o '[0-9]*' || echo "?")
  files=$(ls "$corpus" | wc -l)
  if [ "$status" -ne 0 ]; then
    mkdir -p "$kept"
    tail -40 "$log"
    # A clean CI machine keeps nothing: its log carries the input.
    for a in "$artifacts"/*; do
      [ -e "$a" ] || continue
      cp "$a" "$kept/"
      echo "input $(basename "$a"), base64:"; base64 "$a"
    done
    echo "$t: FAILED after $runs inputs; the input is in $kept/"
    exit 1
  fi
  summary+=("$t: $replayed kept inputs replayed, $runs inputs in $seconds s, coverage $cov edges, corpus $files files, no failure")
done

echo
printf '%s\n' "${summary[@]}"
