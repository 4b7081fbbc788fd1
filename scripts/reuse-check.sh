#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Every file of the kit has a known copyright and licence (`reuse lint`).
# With --report-only, as long as the headers have not been put on the
# sources (scripts/reuse-annotate.sh), it says how far off it is and passes.
#   reuse-check.sh [--report-only]
set -euo pipefail
cd "$(dirname "$0")/.."
command -v reuse >/dev/null || bash scripts/install-deps.sh reuse
if reuse lint >"${TMPDIR:-/tmp}/brenloq-reuse.$$" 2>&1; then
  tail -n 3 "${TMPDIR:-/tmp}/brenloq-reuse.$$"
  rm -f "${TMPDIR:-/tmp}/brenloq-reuse.$$"
  exit 0
fi
status=1
if [ "${1:-}" = --report-only ]; then
  grep -E "^\* (Files with|Unused|Missing|Bad)" "${TMPDIR:-/tmp}/brenloq-reuse.$$" || true
  echo "reuse lint: not yet compliant; bash scripts/reuse-annotate.sh puts the headers on"
  status=0
else
  cat "${TMPDIR:-/tmp}/brenloq-reuse.$$"
fi
rm -f "${TMPDIR:-/tmp}/brenloq-reuse.$$"
exit $status
