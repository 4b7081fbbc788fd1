#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Starts each program from a fresh program folder on a virtual X screen,
# waits for its first window and photographs the screen: the real-window
# check that the offscreen tests cannot give.
#   xvfb-check.sh BIN_FOLDER DEMO_FOLDER
set -euo pipefail
bin=$1
demo=$2
folder=$(mktemp -d)
# The programs' own data (the player's component folder), settings and caches
# go to a throw-away home, never the user's.
home=$(mktemp -d)
trap 'rm -rf "$folder" "$home"' EXIT
export XDG_DATA_HOME=$home/data XDG_CONFIG_HOME=$home/config XDG_CACHE_HOME=$home/cache
cp "$bin/BRENLOQ" "$bin/Editor" "$bin/INSTALAR BRENLOQ" "$bin/RESULTATS BRENLOQ" "$folder/"
cp -r "$demo/." "$folder/"

# xvfb-run -a takes the first free display number; another X server started
# in the same instant (a parallel test, a screenshot tool) can take it from
# under it, so a start that found no display is tried once more.
check() {
  local program=$1 title=$2
  show "$@" 2>"$folder/err" || { cat "$folder/err" >&2; echo "$program: trying again on another display" >&2; show "$@"; }
  # A blank screen is one colour; a drawn window has many.
  colours=$(convert "$folder/shot.png" -format %k info:)
  if [ "$colours" -lt 16 ]; then
    echo "$program: the screenshot is blank ($colours colours)" >&2
    exit 1
  fi
  echo "$program: window \"$title\" shown ($colours colours)"
}

show() {
  local program=$1 title=$2
  QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
    "$1" & pid=$!
    for i in $(seq 1 100); do
      if xdotool search --name "$2" >/dev/null 2>&1; then
        sleep 0.5
        import -window root "$3"
        kill $pid
        exit 0
      fi
      sleep 0.1
    done
    kill $pid 2>/dev/null
    echo "no window named \"$2\" appeared" >&2
    exit 1' _ "$folder/$program" "$title" "$folder/shot.png"
}

check BRENLOQ "BRENLOQ 3.0"
check Editor "Editor de preguntas"
check "INSTALAR BRENLOQ" "REGISTRAR ARCHIVOS"
check "RESULTATS BRENLOQ" "RESULTATS BRENLOQ 3.0"
