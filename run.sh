#!/usr/bin/env bash
# Builds Corvane (installing what is missing) and starts it.
set -euo pipefail
cd "$(dirname "$0")"
./tools/configure.sh
cmake --build build --target corvane
exec ./build/corvane "$@"
