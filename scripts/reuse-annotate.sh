#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Puts the copyright and licence header on every source file of the kit
# that has none yet (a second run changes nothing), then makes the test
# command fail on any file that `reuse lint` finds unlicensed. Data that
# cannot carry a header (the demo bank, pictures, sounds, test inputs,
# translations) is covered by .reuse/dep5 instead.
#   bash scripts/reuse-annotate.sh
set -euo pipefail
cd "$(dirname "$0")/.."
command -v reuse >/dev/null || bash scripts/install-deps.sh reuse
holder="BRENLOQ developers <maintainers@brenloq.org>"
year=2026

# Every tracked file that dep5 does not cover, named by kind.
files() {
  git ls-files -z -- "$@" ':!:demo/**' ':!:tests/data/**' ':!:fuzz/seeds/**' ':!:LICENSES/**' \
    ':!:.reuse/**' ':!:.ci/**' ':!:data/icons/**' ':!:data/debian/**' ':!:player/resources/**' \
    ':!:docs/*.png' ':!:bench/*.json' ':!:translations/*.ts'
}
annotate() { # LICENCE [OPTION], then the files on standard input
  xargs -0 -r reuse annotate --copyright "$holder" --year "$year" --license "$1" \
    --merge-copyrights --skip-existing ${2:+"$2"} >/dev/null
}

# The software-centre description is under CC0, as it says itself.
files '*.metainfo.xml' | annotate CC0-1.0 --skip-unrecognised
files ':!:*.metainfo.xml' | annotate GPL-3.0-or-later --skip-unrecognised
# A file whose kind takes no comment gets its licence in a FILE.license beside it.
{ reuse lint || true; } | sed -n '/^# MISSING COPYRIGHT/,/^#/s/^\* //p' | tr '\n' '\0' |
  annotate GPL-3.0-or-later --force-dot-license

# From now on an unlicensed file fails the tests.
sed -i 's|bash scripts/reuse-check.sh --report-only|bash scripts/reuse-check.sh|' scripts/test.sh
reuse lint
