#!/usr/bin/env bash
# Installs what is missing, builds the Release programs and starts quarrix
# (arguments are passed along; a project header opens that project). Without
# arguments it opens the demo survey, made once under build-release/demo.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps
build=build-release
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DQUARRIX_TESTS=OFF >/dev/null
cmake --build "$build" -j "$(nproc)"
# The help is built into the programs; a build without it is not worth starting.
"$build/bin/quarrix" --help-pages >/dev/null ||
  { echo "The help pages are missing from $build/bin/quarrix" >&2; exit 1; }
if [ $# -eq 0 ]; then
  demo="$build/demo/demo/demo.hdr"
  if [ ! -f "$demo" ]; then
    echo "Making the demo survey (once) under $build/demo ..."
    "$build/bin/quarrix-batch" demo "$build/demo" >/dev/null
  fi
  set -- "$demo"
fi
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  scripts/render-demo-plots "$build"
  exit
fi
exec "$build/bin/quarrix" "$@"
