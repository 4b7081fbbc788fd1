#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds the Debian package of the kit (Release, in build-package/) with
# Debian's hardening flags, puts brenloq_<version>_<arch>.deb in the project
# folder and runs lintian on it: an error or a warning not overridden in
# data/debian/lintian-overrides fails. Install it with
#   apt install ./brenloq_*.deb
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh dpkg-dev file lintian help2man
# CMake reads neither CPPFLAGS (_FORTIFY_SOURCE) nor a changed environment in
# a folder already configured: the flags are given on every run.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
cppflags=$(dpkg-buildflags --get CPPFLAGS)
cxxflags=$(dpkg-buildflags --get CXXFLAGS)
ldflags=$(dpkg-buildflags --get LDFLAGS)
cmake -S . -B build-package -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF \
      -DCMAKE_INSTALL_PREFIX=/usr -DCMAKE_CXX_FLAGS="$cppflags $cxxflags" \
      -DCMAKE_EXE_LINKER_FLAGS="$ldflags" -DCMAKE_SHARED_LINKER_FLAGS="$ldflags" >/dev/null
cmake --build build-package -j "$(nproc)"
rm -f build-package/brenloq_*.deb
(cd build-package && cpack -G DEB >/dev/null)
rm -f brenloq_*.deb
cp build-package/brenloq_*.deb .
ls -1 brenloq_*.deb
lintian --fail-on error,warning --info --display-info brenloq_*.deb
