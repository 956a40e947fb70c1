#!/usr/bin/env bash
# Runs a 32-bit Windows program under Wine: wine-run.sh PREFIX_DIR PROGRAM [ARGS...]
#
# The prefix is private (normally inside the build folder) and is created on
# first use. Without an X display, the command runs on a virtual one (Xvfb).
# This script is the CMake cross-compiling emulator, so ctest runs win32 test
# executables exactly like native ones.
set -euo pipefail

prefix=$(realpath -m "$1"); shift
export WINEPREFIX=$prefix
export WINEARCH=win32
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="

if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$prefix" "$@"
fi

mkdir -p "$(dirname "$prefix")"
# Creating a prefix takes a while; a lock keeps parallel tests from racing.
(
  flock 9
  if [ ! -f "$prefix/system.reg" ]; then
    wineboot -i >/dev/null 2>&1 || true
    wineserver -w
  fi
  # Windows draw their own frames and are placed where they say: with no
  # window manager on a virtual display, a managed window would show no
  # frame, sit off its Windows position and wait for the manager on close.
  if [ ! -f "$prefix/.unmanaged" ]; then
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1 || true
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /d N /f >/dev/null 2>&1 || true
    wineserver -w
    touch "$prefix/.unmanaged"
  fi
  # Wine's own faces ("MS Sans Serif", "Tahoma" from fonts-wine) are only
  # found in the prefix's font folder; without them every face falls back to
  # a much wider system font and captions no longer fit their controls.
  if [ ! -f "$prefix/.fonts" ] && [ -d /usr/share/wine/fonts ]; then
    cp /usr/share/wine/fonts/*.fon /usr/share/wine/fonts/*.ttf "$prefix/drive_c/windows/Fonts/" 2>/dev/null || true
    touch "$prefix/.fonts"
  fi
) 9>"$prefix.lock"

exec wine "$@"
