#!/usr/bin/env bash
# Photographs the quiz player's windows and the class results window on a
# 1280 x 1024 screen into docs/.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh >/dev/null
QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1280x1024x24" ./build/bin/screenshots demo docs
QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1280x1024x24" ./build/bin/resultsshots demo docs
