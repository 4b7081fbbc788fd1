#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Refreshes translations/*.ts from the sources: new texts are added
# unfinished, texts gone are marked obsolete and dropped. Run after changing
# a built-in text, then translate what lupdate reports unfinished.
set -euo pipefail
cd "$(dirname "$0")/.."
lupdate=$(command -v lupdate || echo /usr/lib/qt6/bin/lupdate)

# module: source folders, the language its texts are written in, the others.
update() {
  local module=$1 source=$2 targets=$3 folders=$4
  for lang in $targets; do
    # shellcheck disable=SC2086
    "$lupdate" -silent -no-obsolete -locations none -source-language "$source" -target-language "$lang" \
      $folders -ts "translations/${module}_${lang}.ts"
  done
}
update ui        ca "es en" "ui"
update player    ca "es en" "player bank/folders.cpp bank/atomicfile.cpp" # the reports folder's problems, warned of at the player's start
update editor    es "ca en" "editor bank/question.cpp" # the bank's refusals, in Spanish as the editor
update installer es "ca en" "installer"
update checker   ca "es en" "checker"
update convert   ca "es en" "convert/main.cpp"
update results   ca "es en" "results"
update interchange ca "es en" "interchange"
