#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs what is needed, builds, and starts the quiz player on the demo
# program folder (stage/).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh
bash scripts/stage.sh
exec ./stage/BRENLOQ "$@"
