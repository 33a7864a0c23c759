#!/usr/bin/env bash
# Installs what is missing, builds the Release programs and starts quarrix
# (arguments are passed along; a project header opens that project).
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps
build=build-release
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DQUARRIX_TESTS=OFF >/dev/null
cmake --build "$build" -j "$(nproc)"
exec "$build/programs/quarrix/quarrix" "$@"
