#!/usr/bin/env bash
# The "Determine Direction" picture of the demo survey drawn on a real X
# server (Xvfb) and kept as build/artefacts/determine_direction_demo_xcb.png.
# Skips when xvfb-run is not installed.
set -euo pipefail
if ! command -v xvfb-run >/dev/null 2>&1; then
  echo "xvfb-run is not installed: skipped"
  exit 0
fi
tests="$QUARRIX_BIN/../tests/loader_ui_tests"
out="$QUARRIX_BIN/../artefacts"
mkdir -p "$out"
rm -f "$out/determine_direction_demo_xcb.png"
# The X and D-Bus client libraries keep allocations to the end: no leak check.
ASAN_OPTIONS="${ASAN_OPTIONS:-}:detect_leaks=0" QT_QPA_PLATFORM=xcb QUARRIX_SCREENSHOT_DIR="$out" \
  xvfb-run -a -s "-screen 0 1024x768x24" "$tests" --gtest_filter='DirectionScreenshot.*'
head -c 8 "$out/determine_direction_demo_xcb.png" | od -An -tx1 | grep -q '89 50 4e 47'
echo "kept $out/determine_direction_demo_xcb.png"
