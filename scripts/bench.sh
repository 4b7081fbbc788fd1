#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds the benchmarks (Release, in build-bench/) and runs them all, then
# prints each figure beside its reference and goal. The large question bank
# (40 courses x 25 subjects x 4 options x 100 questions, about 1.6 GB on
# disk) is generated into a temporary folder and removed at the end; so is
# a bank of 8,000 questions (4 x 10 x 2 x 100) read as if on a slow school
# share, each file call waiting 2.8 ms (bench/slowdisk.cpp, preloaded).
# Nothing here is a test: CI never times anything.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
bash scripts/install-deps.sh

if [ ! -f build-bench/CMakeCache.txt ]; then
  cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DBRENLOQ_BENCHMARKS=ON >/dev/null
fi
targets=(BRENLOQ Editor installer brenloq-check brenloq-convert
         bench_makebank bench_floodfill bench_player bench_editor bench_session
         bench_start_trivial bench_start_player bench_start_editor bench_start_installer
         bench_spawn bench_summary bench_results bench_slowdisk bench_sessionstart)
cmake --build build-bench -j 2 --target "${targets[@]}"
bin=$root/build-bench/bin

work=$(mktemp -d "${TMPDIR:-/tmp}/brenloq-bench.XXXXXX")
trap 'rm -rf "$work"' EXIT
results=$work/results
mkdir -p "$results" "$work/data"
mkdir -m 700 "$work/runtime"
export XDG_RUNTIME_DIR=$work/runtime
# The player copies its components into the user's data folder: a throw-away one.
export XDG_DATA_HOME=$work/data
# One 1920 x 1080 screen, offscreen as under X.
offscreen="offscreen:configfile=$root/bench/offscreen-screen.json"
runs=15
repetitions=(--benchmark_repetitions=3 --benchmark_report_aggregates_only=true --benchmark_out_format=json)

echo "== Machine: $(nproc) processors, load average $(cut -d' ' -f1-3 /proc/loadavg)"

echo "== Generating the bank"
QT_QPA_PLATFORM=$offscreen "$bin/bench_makebank" "$work/bank" 2>/dev/null

# A program folder as shipped: the demo with the programs beside it, and the
# start-window harnesses and the session driver, which find it the same way.
program=$work/program
mkdir -p "$program"
cp -r demo/. "$program/"
for f in BRENLOQ Editor "INSTALAR BRENLOQ" bench_start_trivial bench_start_player bench_start_editor \
         bench_start_installer bench_session; do
  cp "$bin/$f" "$program/"
done

echo "== Flood fill"
"$bin/bench_floodfill" "${repetitions[@]}" --benchmark_out="$results/floodfill.json"

echo "== Quiz player on the bank (log of Qt messages: player.log)"
QT_QPA_PLATFORM=$offscreen "$bin/bench_player" --bank="$work/bank" "${repetitions[@]}" \
  --benchmark_out="$results/player.json" 2>"$results/player.log"

echo "== Editor saving into 10,000 questions"
QT_QPA_PLATFORM=$offscreen "$bin/bench_editor" --bank="$work/bank" "${repetitions[@]}" \
  --benchmark_out="$results/editor.json" 2>"$results/editor.log"

echo "== Class results reading 10,000 reports, from their text and from their session records (goal: under 1 s wall)"
QT_QPA_PLATFORM=$offscreen "$bin/bench_results" "${repetitions[@]}" \
  --benchmark_out="$results/results.json" 2>"$results/results.log"

# A first run reads the bank into the page cache and tells the exit status
# the timed runs must give (1: the bank's courses have more than 16 subjects).
echo "== brenloq-check on the bank (report: check.txt)"
check_status=0
"$bin/brenloq-check" "$work/bank/player" >"$results/check.txt" || check_status=$?
tail -n 8 "$results/check.txt"
if [ "$check_status" -gt 1 ]; then
  echo "brenloq-check could not check the bank (exit status $check_status)" >&2
  exit 1
fi
"$bin/bench_spawn" --runs 3 --warmup 0 --status "$check_status" --json "$results/check.json" \
  brenloq-check "$bin/brenloq-check" "$work/bank/player"
rm -rf "$work/bank"

# The slow share: brenloq-check and the start of a session, on the local
# disk as the reference, then with every file call under the program folder
# waiting one round trip. The session harness runs from the program folder,
# as the player does.
round_trip_ms=2.8
echo "== A bank of 8,000 questions on a share with a ${round_trip_ms} ms round trip"
QT_QPA_PLATFORM=$offscreen "$bin/bench_makebank" "$work/slow" 4 10 2 100 2>/dev/null
rm -rf "$work/slow/editor"
slow_program=$work/slow/player
cp "$bin/bench_sessionstart" "$slow_program/"
slow() {
  LD_PRELOAD=$bin/slowdisk.so BRENLOQ_SLOW_FOLDER=$slow_program BRENLOQ_SLOW_MS=$round_trip_ms "$@"
}
slow_status=0
"$bin/brenloq-check" "$slow_program" >"$results/slowcheck.txt" || slow_status=$?
if [ "$slow_status" -gt 1 ]; then
  echo "brenloq-check could not check the slow bank (exit status $slow_status)" >&2
  exit 1
fi
"$bin/bench_spawn" --runs 3 --warmup 0 --status "$slow_status" --json "$results/slowcheck.json" \
  "brenloq-check, local" "$bin/brenloq-check" "$slow_program"
slow "$bin/bench_spawn" --runs 3 --warmup 0 --status "$slow_status" --json "$results/slowcheck.json" \
  "brenloq-check, slow share" "$bin/brenloq-check" "$slow_program"
for run in 1 2 3; do
  QT_QPA_PLATFORM=$offscreen "$slow_program/bench_sessionstart" --json "$results/sessionstart-local.json" \
    >/dev/null 2>>"$results/sessionstart.log"
  QT_QPA_PLATFORM=$offscreen slow "$slow_program/bench_sessionstart" --json "$results/sessionstart-slow.json" \
    2>>"$results/sessionstart.log"
done
rm -rf "$work/slow"

# A teacher's whole course from the learning platform: 10,000 GIFT questions
# (multiple choice, short answer and true/false, ten categories) imported
# into an empty folder, three times. Goal: under 5 s each.
echo "== brenloq-convert importing 10,000 GIFT questions (goal: under 5 s)"
awk 'BEGIN {
  for (c = 0; c < 10; c++) {
    printf "$CATEGORY: $course$/Curs %d/Matèria\n\n", c
    for (i = 0; i < 1000; i++) {
      if (i % 3 == 0) printf "::Autor %d::Pregunta número %d?{=correcta %d ~errònia a ~errònia b ~errònia c}\n\n", c, i, i
      else if (i % 3 == 1) printf "::Autor %d::Quant fa %d + %d?{=%d}\n\n", c, i, i, 2 * i
      else printf "::Autor %d::L%safirmació %d és certa.{T}\n\n", c, "\047", i
    }
  }
}' >"$work/bench.gift"
for run in 1 2 3; do
  rm -rf "$work/import"
  mkdir -p "$work/import/Preguntas"
  # The import syncs its files once at the end; what else waits to be
  # written (the last run's removal) is not its time.
  sync
  start=$(date +%s%N)
  "$bin/brenloq-convert" import "$work/bench.gift" "$work/import/Preguntas/Importades" >"$results/convert.txt"
  ms=$(( ($(date +%s%N) - start) / 1000000 ))
  printf '  run %d: %d.%03d s  (%s)\n' "$run" $((ms / 1000)) $((ms % 1000)) "$(tail -n 1 "$results/convert.txt")"
done
rm -rf "$work/import"

echo "== Start-up, offscreen ($runs runs each, alternating)"
QT_QPA_PLATFORM=$offscreen "$bin/bench_spawn" --runs $runs --warmup 2 --json "$results/startup-offscreen.json" \
  trivial "$program/bench_start_trivial" --- \
  BRENLOQ "$program/bench_start_player" --- \
  Editor "$program/bench_start_editor" --- \
  "INSTALAR BRENLOQ" "$program/bench_start_installer"

echo "== Start-up under xvfb-run ($runs runs each, alternating)"
QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1920x1080x24" \
  "$bin/bench_spawn" --x11 --runs $runs --warmup 2 --json "$results/startup-x11.json" \
  trivial "$program/bench_start_trivial" --stay --- \
  BRENLOQ "$program/BRENLOQ" --- \
  Editor "$program/Editor" --- \
  "INSTALAR BRENLOQ" "$program/INSTALAR BRENLOQ"

echo "== Peak memory, offscreen"
QT_QPA_PLATFORM=$offscreen "$bin/bench_spawn" --runs 3 --warmup 0 --json "$results/memory.json" \
  trivial "$program/bench_start_trivial" --- \
  "trivial, full screen" "$program/bench_start_trivial" --full-screen --- \
  "BRENLOQ session" "$program/bench_session"
QT_QPA_PLATFORM=$offscreen "$program/bench_session" --stages 2>/dev/null

echo "== Load average now $(cut -d' ' -f1-3 /proc/loadavg)"
echo
"$bin/bench_summary" "$results"
