#!/usr/bin/env bash
# Builds Corvane with its tests (installing what is missing) and runs every test.
set -euo pipefail
cd "$(dirname "$0")"
./tools/ensure_packages.sh qt6-base-dev qt6-multimedia-dev libxcb1-dev libgtest-dev cmake ninja-build ca-certificates g++ \
  dovecot-pop3d xvfb xauth
export QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}"
cmake -S . -B build-tests -G Ninja -DBUILD_TESTING=ON >/dev/null
cmake --build build-tests
ctest --test-dir build-tests --output-on-failure -j "$(nproc)"
