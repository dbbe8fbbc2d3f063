#!/usr/bin/env bash
# Sets up a fresh Debian machine with the program's packages and the test
# peers, builds everything into build/ and runs the whole test suite.
set -euo pipefail
cd "$(dirname "$0")"
scripts/setup.sh $(cat scripts/packages-run.txt scripts/packages-test.txt)
cmake --preset default >/dev/null
cmake --build --preset default
ctest --test-dir build --output-on-failure -j "$(nproc)" "$@"
