#!/usr/bin/env bash
# Builds Corvane (installing what is missing) and starts it.
set -euo pipefail
cd "$(dirname "$0")"
./tools/ensure_packages.sh qt6-base-dev qt6-multimedia-dev libxcb1-dev libgtest-dev cmake ninja-build ca-certificates g++
cmake -S . -B build -G Ninja -DBUILD_TESTING=OFF >/dev/null
cmake --build build --target corvane
exec ./build/corvane "$@"
