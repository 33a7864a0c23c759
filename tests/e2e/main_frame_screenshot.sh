#!/usr/bin/env bash
# The main frame with the demo project open on a virtual X screen; the picture
# is kept under the build tree's artefacts folder.
set -euo pipefail
if ! command -v xvfb-run >/dev/null 2>&1; then echo "xvfb-run not installed: skipped"; exit 0; fi
tests="$QUARRIX_BIN/../tests/app_ui_tests"
QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1280x800x24" \
  "$tests" --gtest_filter='MainFrameScreenshot.*'
ls -l "$QUARRIX_BIN/../artefacts/main_frame.png"
