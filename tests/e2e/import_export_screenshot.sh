#!/usr/bin/env bash
# The Import/Export window with an imported horizon, the "Export Horizon",
# "Math Functions", "Select Wells" and "Well Group Attributes" dialogs drawn on
# a real X server (Xvfb) and kept as build/artefacts/*_xcb.png.
# Skips when xvfb-run is not installed.
set -euo pipefail
if ! command -v xvfb-run >/dev/null 2>&1; then
  echo "xvfb-run is not installed: skipped"
  exit 0
fi
tests="$QUARRIX_BIN/../tests/exchange_ui_tests"
out="$QUARRIX_BIN/../artefacts"
mkdir -p "$out"
names=(import_export export_horizon math_functions select_wells well_group_attributes)
for name in "${names[@]}"; do rm -f "$out/${name}_xcb.png"; done
# The X and D-Bus client libraries keep allocations to the end: no leak check.
ASAN_OPTIONS="${ASAN_OPTIONS:-}:detect_leaks=0" QT_QPA_PLATFORM=xcb QUARRIX_SCREENSHOT_DIR="$out" \
  xvfb-run -a -s "-screen 0 1024x768x24" "$tests" --gtest_filter='ImportExportScreenshot.*'
for name in "${names[@]}"; do
  head -c 8 "$out/${name}_xcb.png" | od -An -tx1 | grep -q '89 50 4e 47'
  echo "kept $out/${name}_xcb.png"
done
