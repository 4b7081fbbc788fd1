#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Lays out a program folder in stage/: the three programs, the class results
# and the bank checker beside a copy of demo/. Files already there (reports, questions a teacher added)
# are kept.
set -euo pipefail
cd "$(dirname "$0")/.."
mkdir -p stage
cp -f build/bin/BRENLOQ build/bin/Editor "build/bin/INSTALAR BRENLOQ" "build/bin/RESULTATS BRENLOQ" \
  build/bin/brenloq-check build/bin/brenloq-convert stage/
cp -rn demo/. stage/
