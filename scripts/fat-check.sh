#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
#
# SPDX-License-Identifier: GPL-3.0-or-later

# A whole quiz session and three editor saves on a real FAT file system (an
# image mounted with fusefat), as on a classroom's memory stick: no hard
# links, no permissions. Skipped, saying why, where FUSE cannot be used.
set -uo pipefail
bin=$1
demo=$2

skip() { echo "SKIPPED: $*"; exit 77; }
command -v fusefat >/dev/null || skip "fusefat is not installed"
command -v mkfs.fat >/dev/null || skip "mkfs.fat (dosfstools) is not installed"
[ -r /dev/fuse ] && [ -w /dev/fuse ] || skip "FUSE is not usable here (/dev/fuse)"

work=$(mktemp -d)
stick=$work/stick
# Whatever the drivers' Qt keeps goes to the throw-away folder, not the user's home.
export XDG_DATA_HOME=$work/data XDG_CONFIG_HOME=$work/config XDG_CACHE_HOME=$work/cache
unmount() { fusermount -u "$stick" 2>/dev/null || fusermount3 -u "$stick" 2>/dev/null || umount "$stick" 2>/dev/null; }
trap 'unmount; rm -rf "$work"' EXIT
truncate -s 64M "$work/fat.img"
mkfs.fat -F 32 -n BRENLOQ "$work/fat.img" >/dev/null || skip "mkfs.fat could not make the image"
mkdir "$stick"
fusefat -o rw+ "$work/fat.img" "$stick" >/dev/null 2>&1 || skip "fusefat could not mount the image"
for _ in $(seq 50); do mountpoint -q "$stick" && break; sleep 0.1; done
mountpoint -q "$stick" || skip "the image did not mount"
ln "$stick/tope.txt" "$stick/x" 2>/dev/null && { rm -f "$stick/x"; skip "this mount takes hard links: not a FAT test"; }

fail() { echo "FAILED: $*"; exit 1; }
# fusefat takes ASCII names only: the demo's mathematics under a plain name.
for entry in "$demo"/*; do
    [ "$(basename "$entry")" = Preguntas ] || cp -r "$entry" "$stick/" || fail "the demo could not be copied"
done
mkdir -p "$stick/Preguntas/1r ESO/Mates"
cp "$demo/Preguntas/1r ESO/Matemàtiques/"*.txt "$stick/Preguntas/1r ESO/Mates/" || fail "the bank could not be copied"

out=$(QT_QPA_PLATFORM=offscreen "$bin/autoplay" "$stick" "Anna" --course "1r ESO" --subject "Mates" \
      --questions 2 --clock 2026-03-09T10:05:00 2>&1) || fail "the session failed: $out"
report=$(sed -n 's/^report: //p' <<<"$out")
[ -n "$report" ] || fail "no report named: $out"
[ -s "$stick/Controles-Usuarios/$report" ] || fail "the report $report is not on the stick"
cmp -s "$stick/Controles-Usuarios/$report" "$stick/ultimo.rtf" || fail "ultimo.rtf is not the report"
echo "report written on FAT: Controles-Usuarios/$report and ultimo.rtf"

mkdir -p "$stick/Preguntas/1r ESO/Proves"
out=$(QT_QPA_PLATFORM=offscreen "$bin/autoedit" "$stick" "Preguntas/1r ESO/Proves" 3 FAT 2>&1) \
    || fail "the editor could not save: $out"
saved=$(cd "$stick/Preguntas/1r ESO/Proves" && ls -A | sort | tr '\n' ' ')
[ "$saved" = "1.txt 2.txt 3.txt " ] || fail "the editor saved: $saved"
echo "questions saved on FAT: $saved"
leftovers=$(find "$stick" -name '.nou-*' | wc -l)
[ "$leftovers" -eq 0 ] || fail "$leftovers temporary files left"
echo "PASSED"
