#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The keyboard tour on a virtual X screen with a window manager and the
# accessibility bus: photographs the keyboard focus into docs/keyboard-*.png
# and lists the accessibility tree of the test window on standard output.
#   keyboard-check.sh [BUILD_FOLDER] [DOCS_FOLDER]
# With DOCS_FOLDER "--temp" the pictures go to a throw-away folder (the test
# suite runs it so).
# Exits 77 (skipped) when the machine lacks the pieces, saying which.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build}
docs=${2:-$root/docs}
for tool in xvfb-run openbox dbus-run-session import /usr/libexec/at-spi-bus-launcher; do
  if ! command -v "$tool" >/dev/null 2>&1; then
    echo "skipped: $tool is missing (Debian: xvfb openbox dbus-daemon imagemagick at-spi2-core)" >&2
    exit 77
  fi
done
if ! /usr/bin/python3 -c 'import pyatspi' 2>/dev/null; then
  echo "skipped: python3-pyatspi is missing" >&2
  exit 77
fi
[ -x "$build/bin/keyboardshots" ] || { echo "build the keyboardshots target first" >&2; exit 1; }
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
if [ "$docs" = --temp ]; then
  docs=$home/docs
  mkdir "$docs"
fi
export XDG_DATA_HOME=$home/data XDG_CONFIG_HOME=$home/config XDG_CACHE_HOME=$home/cache
export XDG_RUNTIME_DIR=$home/run
mkdir -m 700 "$XDG_RUNTIME_DIR"
# Qt speaks to the accessibility bus without waiting for a screen reader.
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1 NO_AT_BRIDGE=0
dbus-run-session -- xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
  /usr/libexec/at-spi-bus-launcher --launch-immediately & bus=$!
  openbox & wm=$!
  sleep 1
  QT_QPA_PLATFORM=xcb "$1/bin/keyboardshots" "$2" "$3" "$4"; status=$?
  kill $wm $bus 2>/dev/null
  exit $status' _ "$build" "$root/demo" "$docs" "$root/scripts/atspi-dump.py"
