#!/usr/bin/env bash
# Builds the Debian package of the kit (Release, in build-package/) and puts
# brenloq_<version>_<arch>.deb in the project folder. Install it with
#   apt install ./brenloq_*.deb
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh dpkg-dev file
if [ ! -f build-package/CMakeCache.txt ]; then
  cmake -S . -B build-package -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF \
        -DCMAKE_INSTALL_PREFIX=/usr >/dev/null
fi
cmake --build build-package -j "$(nproc)"
(cd build-package && cpack -G DEB >/dev/null)
cp build-package/brenloq_*.deb .
ls -1 brenloq_*.deb
