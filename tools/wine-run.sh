#!/usr/bin/env bash
# Runs a Windows program under Wine: wine-run.sh PREFIX_DIR PROGRAM.exe [ARGS...]
#
# The program's own header says whether it is a 32-bit (i686) or a 64-bit
# (x86_64) program; it runs under Wine's loader of that kind, in a private
# prefix of that kind (normally inside the build folder) that is created on
# first use. Without an X display, the command runs on a virtual one (Xvfb).
# This script is the CMake cross-compiling emulator, so ctest runs Windows
# test executables exactly like native ones.
#
# The loaders are called directly: Debian's `wine` and `wineboot` commands
# take the 32-bit loader whenever it is installed, even for a 64-bit
# prefix. When the program cannot run here (no Wine, a 32-bit program on a
# machine that cannot execute 32-bit programs, no X server, a prefix that
# cannot be made), the script says why and exits with status 125.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
fail() { echo "wine-run: $*" >&2; exit 125; }

[ $# -ge 2 ] || { echo "usage: wine-run.sh PREFIX_DIR PROGRAM.exe [ARGS...]" >&2; exit 2; }
prefix=$(realpath -m "$1"); shift
program=$1

# The machine field of the PE header: 014c for i386, 8664 for x86-64.
pe_machine() {
  local file=$1 header
  [ -f "$file" ] && [ "$(head -c 2 "$file")" = MZ ] || return 1
  header=$(od -An -tu4 -j 60 -N 4 "$file" | tr -d ' ')
  [ -n "$header" ] && [ "$(od -An -tx1 -j "$header" -N 4 "$file" | tr -d ' ')" = 50450000 ] || return 1
  od -An -tx2 -j $((header + 4)) -N 2 "$file" | tr -d ' '
}

machine=$(pe_machine "$program") || fail "$program is not a Windows program"
case "$machine" in
  014c)
    arch=win32 loader=/usr/lib/wine/wine
    if ! reason=$("$here/runs-32bit.sh" --wine); then
      fail "cannot run the 32-bit program $(basename "$program"): $reason"
    fi ;;
  8664)
    arch=win64 loader=/usr/lib/wine/wine64
    [ -x "$loader" ] || fail "Wine is not installed (packages wine and wine64; tools/install-deps.sh installs them)" ;;
  *) fail "$program is for machine type 0x$machine, which Wine cannot run here" ;;
esac
server=/usr/lib/wine/wineserver

export WINEPREFIX=$prefix WINEARCH=$arch WINELOADER=$loader
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES="mscoree,mshtml="

# A prefix is of one kind for good: a 64-bit program cannot use a 32-bit one.
if [ -f "$prefix/system.reg" ]; then
  made=$(sed -n 's/^#arch=//p' "$prefix/system.reg" | head -n 1)
  [ -z "$made" ] || [ "$made" = "$arch" ] ||
    fail "the prefix $prefix was made for $made programs; $(basename "$program") needs a $arch prefix (remove the folder, or use another)"
fi

if [ -z "${DISPLAY:-}" ]; then
  command -v xvfb-run >/dev/null ||
    fail "no X server: DISPLAY is not set and xvfb-run is not installed (package xvfb)"
  exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$prefix" "$@"
fi

mkdir -p "$prefix" || fail "cannot make the prefix folder $prefix"
# Creating a prefix takes a while; a lock keeps parallel tests from racing.
(
  flock 9
  if [ ! -f "$prefix/system.reg" ]; then
    log=$prefix.boot.log
    "$loader" wineboot -i >"$log" 2>&1 || true
    "$server" -w || true
    if [ ! -f "$prefix/system.reg" ]; then
      echo "wine-run: Wine could not create the prefix $prefix; its last words:" >&2
      tail -n 5 "$log" | sed 's/^/    /' >&2
      exit 125
    fi
  fi
  # Windows draw their own frames and are placed where they say: with no
  # window manager on a virtual display, a managed window would show no
  # frame, sit off its Windows position and wait for the manager on close.
  if [ ! -f "$prefix/.unmanaged" ]; then
    "$loader" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1 || true
    "$loader" reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /d N /f >/dev/null 2>&1 || true
    "$server" -w || true
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

exec "$loader" "$@"
