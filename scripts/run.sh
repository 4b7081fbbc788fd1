#!/usr/bin/env bash
# Installs what is needed, builds, and starts the quiz player on the demo
# program folder (stage/).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh
bash scripts/stage.sh
exec ./stage/BRENLOQ "$@"
