#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs the Debian 12 packages needed to build, run and test the kit.
# Quick and silent when everything is already there.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-image-formats-plugins
  libgl-dev
  xvfb xauth imagemagick xdotool xdg-utils x11-utils
  unrtf libbenchmark-dev libx11-dev libxdamage-dev
  fonts-dejavu-core
  fusefat dosfstools fuse3
  samba smbnetfs sshfs openssh-server openssh-client iproute2
  desktop-file-utils appstream
  libxlsxwriter-dev
  qt6-l10n-tools qt6-translations-l10n
  openbox dbus-daemon at-spi2-core python3-pyatspi
  libreoffice-calc poppler-utils
  libcanberra-dev help2man
)
# Scripts that need more (scripts/fuzz.sh: clang and its libFuzzer runtime)
# name it on the command line.
packages+=("$@")

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
