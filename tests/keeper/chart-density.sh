#!/usr/bin/env bash
# chart-density.sh PROGRAM: runs the chart's large-fonts test at 120 and then 144 dots per inch,
# the screen density that each new process of the prefix takes from the registry.
set -euo pipefail
program=$1
key='HKCU\Control Panel\Desktop'
trap 'wine reg delete "$key" /v LogPixels /f >/dev/null 2>&1 || true' EXIT
for dpi in 120 144; do
  wine reg add "$key" /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null 2>&1
  CHART_DPI=$dpi wine "$program" --gtest_color=no --gtest_filter='*AtLargeFonts*'
done
