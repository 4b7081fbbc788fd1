#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs the kit into a temporary DESTDIR and starts the installed
# programs offscreen: the folder each one uses (--folder, BRENLOQ_FOLDER,
# the system settings file, the user's first-start copy of the installed
# demo) and the message naming a folder that cannot be used.
#   install-check.sh BUILD_FOLDER
set -euo pipefail
build=$1
work=$(mktemp -d)
trap 'pkill -P $$ 2>/dev/null || true; rm -rf "$work"' EXIT
root=$work/root
DESTDIR=$root cmake --install "$build" --prefix /usr >/dev/null

fail() { echo "FAIL: $*" >&2; exit 1; }

for f in usr/bin/brenloq usr/bin/brenloq-editor usr/bin/brenloq-check usr/bin/brenloq-convert usr/bin/brenloq-results \
         usr/share/brenloq/demo/tope.txt usr/share/brenloq/demo/Preguntas usr/share/doc/brenloq/brenloq.conf \
         usr/share/applications/org.brenloq.Brenloq.desktop \
         usr/share/applications/org.brenloq.Brenloq.Editor.desktop \
         usr/share/applications/org.brenloq.Brenloq.Results.desktop \
         usr/share/metainfo/org.brenloq.Brenloq.metainfo.xml \
         usr/share/icons/hicolor/48x48/apps/brenloq.png usr/share/icons/hicolor/scalable/apps/brenloq.svg \
         usr/share/doc/brenloq/copyright usr/share/doc/brenloq/changelog.Debian.gz usr/share/lintian/overrides/brenloq; do
  [ -e "$root/$f" ] || fail "$f not installed"
done
# The component installer only copies Windows files: not installed at all.
if find "$root" -name 'INSTALAR*' -o -name 'brenloq-installer*' | grep -q .; then fail "the component installer is installed"; fi
# A manual page for every command, compressed as lintian wants it.
if command -v help2man >/dev/null; then
  for command in "$root"/usr/bin/*; do
    page=$root/usr/share/man/man1/$(basename "$command").1.gz
    [ -e "$page" ] || fail "no manual page for $(basename "$command")"
    zcat "$page" | grep -q '^\.SH DESCRIPTION' || fail "$page is no manual page"
  done
fi
# The copyright file is machine-readable and names every licence it uses.
head -n 1 "$root/usr/share/doc/brenloq/copyright" | grep -qF "copyright-format/1.0" || fail "copyright format"
for licence in GPL-3.0-or-later CC-BY-SA-4.0 CC0-1.0; do
  grep -q "^License: $licence$" "$root/usr/share/doc/brenloq/copyright" || fail "copyright: no $licence"
done
# The feedback sounds come through libcanberra, without Qt Multimedia.
needed=$(objdump -p "$root/usr/lib/brenloq/BRENLOQ" | awk '/NEEDED/ { print $2 }')
grep -q '^libcanberra' <<<"$needed" || fail "the player does not use libcanberra"
if grep -q 'Multimedia' <<<"$needed"; then fail "the player still loads Qt Multimedia"; fi
[ ! -e "$root/usr/share/brenloq/demo/Controles-Usuarios/.gitkeep" ] || fail "hidden files installed"
if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$root"/usr/share/applications/*.desktop || fail "desktop entries"
fi
if command -v appstreamcli >/dev/null; then
  appstreamcli validate --no-net "$root"/usr/share/metainfo/*.xml >/dev/null || fail "metainfo"
fi

# Every start happens in a home of its own, offscreen.
export HOME=$work/home XDG_CONFIG_HOME=$work/home/.config XDG_DATA_HOME=$work/home/.local/share
export XDG_CONFIG_DIRS=$work/etc QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR=$work/runtime
unset BRENLOQ_FOLDER
mkdir -p "$HOME" "$work/etc"
mkdir -m 700 "$work/runtime"
player=$root/usr/bin/brenloq

expect_help() { # PROGRAM EXPECTED [ARGS...]: --help names the folder in use
  local program=$1 expected=$2; shift 2
  local out
  out=$("$program" "$@" --help 2>&1) || fail "$program --help failed"
  grep -qF -- "$expected" <<<"$out" || fail "$program $* --help: expected '$expected' in: $out"
}
mkdir -p "$work/a" "$work/b" "$work/c"
expect_help "$player" "Carpeta del programa: $work/a (de l'opció --folder)." --folder "$work/a"
BRENLOQ_FOLDER=$work/b expect_help "$player" "Carpeta del programa: $work/b (de la variable BRENLOQ_FOLDER)."
BRENLOQ_FOLDER=$work/b expect_help "$player" "$work/a (de l'opció" --folder "$work/a"
mkdir -p "$work/etc/brenloq"
printf 'folder=%s\n' "$work/c" >"$work/etc/brenloq/brenloq.conf"
expect_help "$player" "Carpeta del programa: $work/c (de la configuració del sistema)."
expect_help "$root/usr/bin/brenloq-editor" "Carpeta del programa: $work/c (de la configuración del sistema)."
expect_help "$player" "/etc/xdg/brenloq/brenloq.conf"
rm "$work/etc/brenloq/brenloq.conf"
expect_help "$root/usr/bin/brenloq-editor" "$HOME/Documents/BRENLOQ (la carpeta del usuario)."
[ ! -e "$HOME/Documents/BRENLOQ" ] || fail "--help made the user's folder"
[ "$("$player" --version)" = "BRENLOQ 3.0" ] || fail "--version"
# Both answer on a terminal without a screen.
[ "$(QT_QPA_PLATFORM=xcb DISPLAY= "$root/usr/bin/brenloq-editor" --version)" = "Editor 3.0" ] ||
  fail "--version needs a screen"

# Runs a program in the background until CONDITION (a command) holds, then
# ends it; false when the condition never held in 30 s.
start_until() {
  local condition=$1; shift
  "$@" >"$work/out" 2>&1 &
  local pid=$!
  for _ in $(seq 1 300); do
    if eval "$condition"; then kill $pid; wait $pid 2>/dev/null || true; return 0; fi
    sleep 0.1
  done
  kill $pid 2>/dev/null || true
  return 1
}
demo=$root/usr/share/brenloq/demo
user=$HOME/Documents/BRENLOQ

# A settings file naming a folder that cannot be used is named, never passed over.
printf 'folder=escola\n' >"$work/etc/brenloq/brenloq.conf"
start_until 'grep -qF "$work/etc/brenloq/brenloq.conf" "$work/out"' "$player" ||
  fail "no message for a relative settings folder: $(cat "$work/out")"
[ ! -e "$HOME/Documents/BRENLOQ" ] || fail "a bad settings file fell back to the user's copy"
# The class results say it too, and export nothing from another folder.
if "$root/usr/bin/brenloq-results" --csv "$work/bad.csv" 2>"$work/out"; then fail "brenloq-results used a bad settings file"; fi
grep -qF "$work/etc/brenloq/brenloq.conf" "$work/out" || fail "brenloq-results did not name the settings file: $(cat "$work/out")"
rm "$work/etc/brenloq/brenloq.conf"

# First start: the user's folder is made from the installed demo, its
# texts in the desktop's language; a file already there is kept.
mkdir -p "$HOME/Documents/BRENLOQ"
echo 20 >"$HOME/Documents/BRENLOQ/tope.txt"
start_until 'diff -r -x tope.txt -x .brenloq-copia -x idioma "$demo" "$user" >/dev/null 2>&1 &&
             diff -r "$demo/idiomes/es" "$user/idioma" >/dev/null 2>&1' \
  env -u LANGUAGE -u LC_ALL -u LC_MESSAGES LANG=es_ES.UTF-8 "$player" ||
  fail "the first start under LANG=es_ES.UTF-8 made no full Spanish copy of the demo"
[ "$(cat "$user/tope.txt")" = 20 ] || fail "the first start overwrote tope.txt"

# A folder that cannot be used is named in a message (and on the terminal).
start_until 'grep -qF "$work/missing" "$work/out"' "$player" --folder "$work/missing" ||
  fail "no message for a missing folder: $(cat "$work/out")"
cp -r "$demo/." "$work/stick"
rmdir "$work/stick/Controles-Usuarios" && touch "$work/stick/Controles-Usuarios"
start_until 'grep -qF "$work/stick/Controles-Usuarios" "$work/out"' "$player" --folder "$work/stick" ||
  fail "no message for a reports folder that takes no files: $(cat "$work/out")"
# The class results read the user's folder the player writes into.
"$root/usr/bin/brenloq-results" --csv "$work/class.csv" || fail "brenloq-results --csv"
grep -q "^.*;" "$work/class.csv" || fail "no CSV header from the user's folder"

echo "installed kit: folders, first start and messages as expected"
