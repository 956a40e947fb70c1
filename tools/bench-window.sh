#!/usr/bin/env bash
# Times a whole window run (flashdiag.exe --simulate=intel64 with all three
# checks) against the console runner on the same card, both under Wine on
# one virtual display and one prefix, best of three each, and prints the
# ratio; then frame-bench.exe times the skinned frame's paint and capture.
#
#   tools/bench-window.sh WINDOWS_BUILD_DIR   (build/win32 or build/win64)
set -euo pipefail
build=$(cd "${1:?usage: bench-window.sh WINDOWS_BUILD_DIR}" && pwd)
here=$(cd "$(dirname "$0")" && pwd)
# One virtual display for every run, and one Wine server kept running, so
# that the times are the programs' and not Wine's start-up.
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$@"
fi
export WINEPREFIX=$build/wineprefix WINEDEBUG=-all
"$here/wine-run.sh" "$build/wineprefix" "$build/bin/flashdiag-cli.exe" --help >/dev/null 2>&1 || true
wineserver -p >/dev/null 2>&1 &
trap 'wineserver -k 2>/dev/null || true' EXIT
run() { "$here/wine-run.sh" "$build/wineprefix" "$@" >/dev/null 2>&1; }
best() {
  local best=
  for _ in 1 2 3; do
    local start end t
    start=$(date +%s.%N)
    run "$@"
    end=$(date +%s.%N)
    t=$(awk -v a="$start" -v b="$end" 'BEGIN { printf "%.3f", b - a }')
    if [ -z "$best" ] || awk -v t="$t" -v b="$best" 'BEGIN { exit !(t < b) }'; then best=$t; fi
  done
  echo "$best"
}
window=$(best "$build/bin/flashdiag.exe" --simulate=intel64 --autorun --exit-after-run)
console=$(best "$build/bin/flashdiag-cli.exe" --simulate=intel64)
awk -v w="$window" -v c="$console" 'BEGIN {
  printf "window run (skinned bar)   %6.2f s\nconsole runner             %6.2f s\nratio                      %6.2f\n", w, c, w / c }'
echo
"$here/wine-run.sh" "$build/wineprefix" "$build/bin/frame-bench.exe"
