#!/usr/bin/env bash
# Sets up a fresh Debian machine with the program's packages and the test
# peers, checks the formatting of the C++ files, builds everything into build/
# (warnings are errors there), runs a short smoke pass of every fuzz target
# (build-fuzz/, clang with libFuzzer and sanitizers), then the whole test
# suite, then the headless tests again built with AddressSanitizer and
# UndefinedBehaviorSanitizer (build-asan/, the preset "asan").
set -euo pipefail
cd "$(dirname "$0")"
scripts/setup.sh $(cat scripts/packages-run.txt scripts/packages-test.txt)
scripts/check-format.sh
cmake --preset default >/dev/null
cmake --build --preset default

CC=clang-14 CXX=clang++-14 cmake -S . -B build-fuzz -G Ninja -DZEB_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build-fuzz --target fuzz_all
ctest --test-dir build-fuzz --output-on-failure -j "$(nproc)"

ctest --test-dir build --output-on-failure -j "$(nproc)" "$@"

cmake --preset asan >/dev/null
cmake --build --preset asan
ctest --preset asan -j "$(nproc)"
