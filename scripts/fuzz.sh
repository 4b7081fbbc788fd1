#!/usr/bin/env bash
# Fuzzes the readers of the files teachers hand in (question files, language
# files, Windows-1252/UTF-8 decoding) with libFuzzer under AddressSanitizer
# and UndefinedBehaviorSanitizer, for a bounded time per target.
#
#   bash scripts/fuzz.sh [seconds-per-target]      (default 60)
#
# Builds in build-fuzz with clang. Inputs kept in tests/data/fuzz/<target>/
# (earlier crashes, now fixed) are replayed first; a new crash stops the
# script and its input is copied there, to be kept with the fix.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-60}"
build=build-fuzz
targets=(questionfile languagefile textcodec)

bash scripts/install-deps.sh clang libclang-rt-14-dev
if [ ! -f "$build/CMakeCache.txt" ]; then
  cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
    -DBRENLOQ_FUZZ=ON -DBRENLOQ_SANITIZE=ON -DBUILD_TESTING=OFF >/dev/null
fi
ninja -C "$build" -j 2 "${targets[@]/#/fuzz_}"

export ASAN_OPTIONS="${ASAN_OPTIONS:-abort_on_error=1:detect_leaks=1}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}"

seeds_for() {
  case "$1" in
    questionfile) find demo/Preguntas -type f -name '*.txt' ;;
    languagefile) find demo/idioma -type f ;;
    textcodec) find demo/idioma demo/textos demo/Preguntas -type f -name '*.txt' | head -200 ;;
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
  rm -f "$seeds"/*
  seeds_for "$t" | while read -r f; do cp "$f" "$seeds/$(echo "$f" | tr '/ ' '__')"; done

  if compgen -G "$kept/*" >/dev/null; then
    echo "== $t: replaying $(ls "$kept" | wc -l) kept inputs"
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
    for a in "$artifacts"/*; do [ -e "$a" ] && cp "$a" "$kept/"; done
    tail -40 "$log"
    echo "$t: FAILED after $runs inputs; the input is in $kept/"
    exit 1
  fi
  summary+=("$t: $runs inputs in $seconds s, coverage $cov edges, corpus $files files, no failure")
done

echo
printf '%s\n' "${summary[@]}"
