#!/usr/bin/env bash
# Installs what building Corvane needs (and any further Debian packages
# named as arguments) and configures the build folder `build`, which run.sh
# and test.sh share: run.sh builds the program's target in it, test.sh
# everything. Both configure it alike, tests included: CMake keeps the choice
# in the folder's cache.
set -euo pipefail
cd "$(dirname "$0")/.."
./tools/ensure_packages.sh qt6-base-dev qt6-multimedia-dev libxcb1-dev libgtest-dev cmake ninja-build ca-certificates g++ \
  "$@"
cmake -S . -B build -G Ninja -DBUILD_TESTING=ON >/dev/null
