#!/usr/bin/env bash
# Installs what is missing, builds the test build (AddressSanitizer and
# UndefinedBehaviorSanitizer, clang so that the fuzz targets are libFuzzer
# programs) and runs the whole suite. Extra arguments go to ctest.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps
build=build-test
launcher=()
if command -v ccache >/dev/null 2>&1; then launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache); fi
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug \
  -DCMAKE_CXX_COMPILER=clang++ -DQUARRIX_SANITIZE=ON -DQUARRIX_TESTS=ON "${launcher[@]}" >/dev/null
cmake --build "$build" -j "$(nproc)"
scripts/check-outside-tools
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
cd "$build"
ctest --output-on-failure -j "$(nproc)" "$@"
