#!/usr/bin/env bash
# Takes every picture in docs/ again: the quiz player's, the installer's,
# the editor's and the class results windows on a 1280 x 1024 virtual screen.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh >/dev/null
for tour in screenshots editorscreenshots resultsshots; do
  QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1280x1024x24" "./build/bin/$tour" demo docs
done
