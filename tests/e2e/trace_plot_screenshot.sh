#!/usr/bin/env bash
# The presentation trace plot on the demo survey (a colour in-line with the
# demo horizon, the fault and the title block) on a virtual X screen; the
# pictures are kept under the build tree's artefacts folder.
set -euo pipefail
if ! command -v xvfb-run >/dev/null 2>&1; then echo "xvfb-run not installed: skipped"; exit 0; fi
tests="$QUARRIX_BIN/../tests/app_ui_tests"
# The X libraries keep allocations to the end of the process: no leak check.
ASAN_OPTIONS="${ASAN_OPTIONS:-}:detect_leaks=0" QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1280x900x24" \
  "$tests" --gtest_filter='TracePlotScreenshot.*'
ls -l "$QUARRIX_BIN/../artefacts/trace_plot.png"
