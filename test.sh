#!/usr/bin/env bash
# Builds Corvane with its tests (installing what is missing) and runs every test.
# The mail tests start dovecot's POP3 server on 127.0.0.1; the tests that need
# an X server run under xvfb-run.
set -euo pipefail
cd "$(dirname "$0")"
./tools/configure.sh dovecot-pop3d xvfb xauth
export QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}"
cmake --build build
ctest --test-dir build --output-on-failure -j "${CTEST_PARALLEL_LEVEL:-$(nproc)}"
