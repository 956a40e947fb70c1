#!/usr/bin/env bash
# Pictures of the diagnostic window for people to look at: frame-looks.exe
# under Wine on a virtual display, over a light and a dark background, with
# the close button normal, hot and pressed, and inactive, and dragged and
# sized by synthesized mouse messages, and taken through its system menu,
# rolled up, restored, to the tray and back, and a few frames of its show
# animation; then PNG sheets of them.
#
#   tools/frame-looks.sh WIN32_BUILD_DIR OUTDIR
set -euo pipefail
build=$(cd "${1:?usage: frame-looks.sh WIN32_BUILD_DIR OUTDIR}" && pwd)
mkdir -p "${2:?usage: frame-looks.sh WIN32_BUILD_DIR OUTDIR}"
out=$(cd "$2" && pwd)
here=$(cd "$(dirname "$0")" && pwd)
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$@"
fi
# One process per set: each starts from a fresh window system state.
for set in light dark drags states animation stored-states; do
  WINEDEBUG=-all "$here/wine-run.sh" "$build/wineprefix" "$build/bin/frame-looks.exe" "Z:${out//\//\\}" "$set"
done
for background in light dark; do
  python3 "$here/bmp-sheet.py" "$out/$background.png" \
    "$out/$background"-{active,close-hot,close-pressed,inactive}.bmp
  echo "sheet: $out/$background.png"
done
python3 "$here/bmp-sheet.py" "$out/drag.png" "$out"/drag-{before,moved,sized}.bmp
echo "sheet: $out/drag.png"
python3 "$here/bmp-sheet.py" "$out/states.png" \
  "$out"/states-{menu,menu-selected,rolled-up,menu-rolled-up,restored,tray,tray-menu,tray-back}.bmp
echo "sheet: $out/states.png"
python3 "$here/bmp-sheet.py" "$out/animation.png" "$out"/animation-frame*.bmp "$out/animation-end.bmp"
echo "sheet: $out/animation.png"
python3 "$here/bmp-sheet.py" "$out/stored-states.png" "$out"/stored-*.bmp
echo "sheet: $out/stored-states.png"
