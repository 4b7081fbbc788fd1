#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Takes every picture in docs/ again: the quiz player's, the installer's,
# the editor's and the class results windows on a 1280 x 1024 virtual screen.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh >/dev/null
for tour in screenshots editorscreenshots resultsshots; do
  QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1280x1024x24" "./build/bin/$tour" demo docs
done

# The quiz player in Spanish and English on a 1024 x 768 screen, the
# smallest the schools' machines have: the longest texts must fit there.
for language in es en; do
  folder=$(mktemp -d)
  shots=$(mktemp -d)
  cp -r demo/. "$folder/"
  cp "demo/idiomes/$language/"* "$folder/idioma/"
  QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1024x768x24" ./build/bin/screenshots "$folder" "$shots"
  for window in start-window selection test-window answered-5-reading final-window; do
    cp "$shots/$window.png" "docs/player-$language-$window.png"
  done
  rm -rf "$folder" "$shots"
done
