#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The editor, the installer, the class results and the checker's output in
# one desktop language, as docs/<lang>-*.png, on a 1024 x 768 virtual screen:
#   bash scripts/language-shots.sh en_US.UTF-8
# Build first (scripts/build.sh). Needs xvfb-run and ImageMagick.
set -euo pipefail
cd "$(dirname "$0")/.."
locale=${1:-en_US.UTF-8}
prefix=${locale%%_*}-
bin=$PWD/build/bin
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp -r demo "$work/folder"
if [ -d "demo/idiomes/${locale%%_*}" ]; then
  rm -rf "$work/folder/idioma"
  cp -r "demo/idiomes/${locale%%_*}" "$work/folder/idioma"
fi

# One program on its own screen, the whole screen taken once it has drawn.
shot() {
  local name=$1; shift
  LANG=$locale LANGUAGE= LC_ALL= QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1024x768x24" \
    bash -c '"$@" & pid=$!; sleep 4; import -window root "'"docs/$prefix$name.png"'"; kill $pid' _ "$@"
}
shot editor "$bin/Editor" --folder "$work/folder"
shot installer "$bin/INSTALAR BRENLOQ"

LANG=$locale LANGUAGE= LC_ALL= QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1024x768x24" \
  "$bin/resultsshots" demo "$work" "$prefix"
cp "$work/${prefix}results.png" "docs/${prefix}results.png"

# The checker's lines as a terminal shows them, with one problem planted.
printf 'x\r\n' > "$work/folder/tope.txt"
{ echo "\$ LANG=$locale brenloq-check"
  LANG=$locale LANGUAGE= LC_ALL= "$bin/brenloq-check" "$work/folder" | sed "s|$work/folder|/home/teacher/Documents/BRENLOQ|" || true
} > "$work/check.txt"
convert -background black -fill '#d0d0d0' -font DejaVu-Sans-Mono -pointsize 14 -border 12 -bordercolor black \
  label:"$(cat "$work/check.txt")" "docs/${prefix}checker.png"
ls -l docs/"$prefix"*.png
