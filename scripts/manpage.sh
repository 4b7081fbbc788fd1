#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Writes the manual page of one command from its --help,
# compressed as Debian wants it (gzip -9n).
#   manpage.sh PROGRAM COMMAND SUMMARY VERSION OUTPUT.1.gz
# The program runs under the command's name, offscreen, in an empty home
# with no settings, in English, so that the page names no folder of the
# machine that built it.
set -euo pipefail
program=$1 command=$2 summary=$3 version=$4 out=$5
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/bin" "$work/home" "$work/etc" "$(dirname "$out")"
mkdir -m 700 "$work/runtime"
ln -s "$(readlink -f "$program")" "$work/bin/$command"
env -i PATH="$work/bin:/usr/bin:/bin" HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" \
    XDG_CONFIG_DIRS="$work/etc" XDG_RUNTIME_DIR="$work/runtime" QT_QPA_PLATFORM=offscreen \
    LANG=C.UTF-8 SOURCE_DATE_EPOCH="${SOURCE_DATE_EPOCH:-1796731200}" \
  help2man --locale=C.UTF-8 --no-info --name="$summary" --section=1 --help-option="--language=en --help" \
    --version-string="$version" \
    --output="$work/page.1" "$command"
# The folder the program would use here is the throw-away home's; the page
# is named after the command, not the window's title.
sed -i "s|$work/home|~|g; s|$work/bin|/usr/bin|g
        /^\.SH NAME/{n;s|.*|${command//-/\\\\-} \\\\- $summary|}
        s|^\.TH [^ ]*|.TH ${command^^}|" "$work/page.1"
gzip -9n <"$work/page.1" >"$out"
