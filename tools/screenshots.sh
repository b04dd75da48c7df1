#!/usr/bin/env bash
# Pictures of pmsect's windows on a virtual display, for a person to look at. Builds nothing:
# run it after building test_qt. Usage: tools/screenshots.sh [build folder] [output folder]
set -euo pipefail
build=${1:-build}
out=${2:-screenshots}
test_qt="$build/tests/test_qt"
if [ ! -x "$test_qt" ]; then
  echo "no $test_qt: build the test_qt target first" >&2
  exit 1
fi
mkdir -p "$out"
out=$(cd "$out" && pwd)
PMSECT_SCREENSHOTS="$out" QT_QPA_PLATFORM=xcb \
  xvfb-run -a -s "-screen 0 1600x1000x24" \
  "$test_qt" --gtest_also_run_disabled_tests --gtest_filter='ScreenshotTest.*:ResultsScreenshotTest.*:DesignScreenshotTest.*:LoadCasesScreenshotTest.*:SlendernessScreenshotTest.*'
if command -v pdftoppm >/dev/null 2>&1 && [ -f "$out/07-printed-report.pdf" ]; then
  pdftoppm -png -r 60 "$out/07-printed-report.pdf" "$out/07-printed-report"
fi
ls -l "$out"
