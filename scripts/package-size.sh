#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
# SPDX-License-Identifier: GPL-3.0-or-later
#
# What `apt-get install PACKAGE...` (a .deb file or names, Recommends
# included, as apt installs them) would add to a fresh minimal Debian 12
# root (debootstrap's minbase: the archive's Priority: required packages),
# found without making one: apt simulates, on an empty package database,
# installing minbase alone and minbase with PACKAGE...; the Installed-Size of
# every package only the second installs is added up.
#   package-size.sh ./brenloq_*.deb | package-size.sh libqt6widgets6 ...
set -euo pipefail
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
: >"$work/status"
mapfile -t minbase < <(apt-cache dumpavail | awk -v RS= '/\nPriority: required\n/' |
  awk '/^Package:/ { print $2 }' | sort -u)
installs() {
  apt-get -s -o Dir::State::status="$work/status" install "$@" 2>/dev/null |
    awk '/^Inst / { print $2 }' | sort -u
}
installs "${minbase[@]}" >"$work/minbase"
[ -s "$work/minbase" ] || { echo "apt found no minimal Debian to start from" >&2; exit 1; }
installs "${minbase[@]}" "$@" | comm -13 "$work/minbase" - >"$work/added"
# A .deb given by file counts with its own size, the rest as the archive has them.
total=0
for deb in "$@"; do
  if [ -f "$deb" ]; then
    total=$((total + $(dpkg-deb -f "$deb" Installed-Size)))
    sed -i "/^$(dpkg-deb -f "$deb" Package)\$/d" "$work/added"
  fi
done
count=$(wc -l <"$work/added")
if [ "$count" -gt 0 ]; then
  total=$((total + $(xargs apt-cache show --no-all-versions <"$work/added" |
                     awk '/^Installed-Size:/ { sum += $2 } END { print sum }')))
fi
echo "$(wc -l <"$work/added") packages, $((total / 1024)) MB installed ($total kB)"
