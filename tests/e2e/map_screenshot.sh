#!/usr/bin/env bash
# The pick-edit workspace with the time map with wells, culture and a polygon beside an in-line window, and
# the contour map, on a virtual X screen; the pictures are kept under the build tree's artefacts folder.
set -euo pipefail
if ! command -v xvfb-run >/dev/null 2>&1; then echo "xvfb-run not installed: skipped"; exit 0; fi
tests="$QUARRIX_BIN/../tests/workspace_ui_tests"
# The X libraries keep allocations to the end of the process (libdbus, xcb):
# leak checking would report them, not ours.
ASAN_OPTIONS="${ASAN_OPTIONS:-}:detect_leaks=0" QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1280x800x24" \
  "$tests" --gtest_filter='MapScreenshot.*'
ls -l "$QUARRIX_BIN/../artefacts/time_map.png" "$QUARRIX_BIN/../artefacts/contour_map.png"
