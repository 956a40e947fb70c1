#!/usr/bin/env bash
# Packs what a user downloads, from the builds of `make all`:
#
#   DIST/flashdiag-win32.zip            flashdiag.exe, flashdiag-cli.exe, PORT-DRIVER.txt (i686)
#   DIST/flashdiag-win64.zip            the same for 64-bit Windows (x86_64)
#   DIST/flashdiag-cli-linux-x86_64.tar.gz   the Linux console runner
#
#   tools/make-dist.sh BUILD_DIR DIST_DIR
#
# The archives are reproducible: every file is dated at the last commit
# (SOURCE_DATE_EPOCH), entries are sorted and carry no owner, and the
# builds themselves hold no build folder and no link time. Each archive is
# then unpacked into a scratch folder and its console runner run on a
# simulated card; the log must be the native runner's, byte for byte.
set -euo pipefail
build=$(cd "${1:?usage: make-dist.sh BUILD_DIR DIST_DIR}" && pwd)
dist=$(realpath -m "${2:?usage: make-dist.sh BUILD_DIR DIST_DIR}")
here=$(cd "$(dirname "$0")" && pwd)

epoch=${SOURCE_DATE_EPOCH:-$(git -C "$here" log -1 --format=%ct 2>/dev/null || echo 0)}
# strip dates the programs it rewrites at SOURCE_DATE_EPOCH, not now.
export SOURCE_DATE_EPOCH=$epoch TZ=UTC LC_ALL=C
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
mkdir -p "$dist"

port_driver_text() {
  case "$1" in
    win32) cat <<'EOF'
flashdiag for 32-bit Windows (Windows 95/98/ME and the NT family)
=================================================================

flashdiag.exe is the diagnostic window, flashdiag-cli.exe the console runner.
Both run against a simulated card without any hardware:

    flashdiag.exe --simulate=intel64
    flashdiag-cli.exe --simulate=sharp64

Without --simulate they drive the adapter on the parallel port (EPP mode,
base 0x378). On Windows 95, 98 and ME they use the port directly. On the
NT family (NT 4, 2000, XP and later) they install and start the port driver
zlportio.sys, which must sit next to the programs; it is not part of this
package. The driver is a 32-bit driver: it loads only on 32-bit Windows.
When it cannot start, the window says "NT Port Driver Couldnt Start." and
makes no port access.

On 64-bit Windows, or where that driver cannot be used, --port=inpout drives
the port through the InpOut DLL instead: put inpout32.dll (the InpOut DLL
for 32-bit programs; not part of this package) next to the programs, run the
program once as administrator so that the DLL installs its driver, and use

    flashdiag-cli.exe --port=inpout          (base 0x378)
    flashdiag.exe --port=inpout:0xD010       (a port at another base)

A run erases and programs the whole flash and overwrites the saver RAM.
EOF
      ;;
    win64) cat <<'EOF'
flashdiag for 64-bit Windows
============================

flashdiag.exe is the diagnostic window, flashdiag-cli.exe the console runner.
Both run against a simulated card without any hardware:

    flashdiag.exe --simulate=intel64
    flashdiag-cli.exe --simulate=sharp64

Real hardware goes through the InpOut DLL: put inpoutx64.dll (the InpOut
DLL for 64-bit programs; not part of this package) next to the programs, run
the program once as administrator so that the DLL installs its signed
driver, and use

    flashdiag-cli.exe --port=inpout          (the port at base 0x378)
    flashdiag.exe --port=inpout:0xD010       (a port at another base)

The port must be in EPP mode (firmware setup). Without --port and without
--simulate the programs try the port driver zlportio.sys, a 32-bit driver
that 64-bit Windows will not start: they say that the port driver could not
start (the console runner adds a hint when the InpOut DLL lies next to it).

A run erases and programs the whole flash and overwrites the saver RAM.
EOF
      ;;
  esac
}

# Sets every file's date to the epoch and lists the entries sorted.
normalise() { find "$1" -exec touch -h -d "@$epoch" {} +; }

pack_windows() {
  local kind=$1 bin=$build/$1/bin
  [ -f "$bin/flashdiag.exe" ] && [ -f "$bin/flashdiag-cli.exe" ] || { echo "make-dist: no $kind build in $build/$kind" >&2; exit 1; }
  local dir=$stage/flashdiag-$kind
  mkdir -p "$dir"
  cp "$bin/flashdiag.exe" "$bin/flashdiag-cli.exe" "$dir/"
  local triplet=i686-w64-mingw32
  [ "$kind" = win64 ] && triplet=x86_64-w64-mingw32
  "$triplet-strip" "$dir/flashdiag.exe" "$dir/flashdiag-cli.exe"
  port_driver_text "$kind" | sed 's/$/\r/' >"$dir/PORT-DRIVER.txt"
  normalise "$dir"
  rm -f "$dist/flashdiag-$kind.zip"
  (cd "$stage" && find "flashdiag-$kind" -type f | sort | zip -q -X -D "$dist/flashdiag-$kind.zip" -@)
  echo "make-dist: $dist/flashdiag-$kind.zip"
}

pack_linux() {
  local dir=$stage/flashdiag-cli-linux-x86_64
  mkdir -p "$dir"
  cp "$build/native/bin/flashdiag-cli" "$dir/"
  strip "$dir/flashdiag-cli"
  normalise "$dir"
  tar -C "$stage" --sort=name --mtime="@$epoch" --owner=0 --group=0 --numeric-owner \
      -cf - flashdiag-cli-linux-x86_64 | gzip -n -9 >"$dist/flashdiag-cli-linux-x86_64.tar.gz"
  echo "make-dist: $dist/flashdiag-cli-linux-x86_64.tar.gz"
}

pack_windows win32
pack_windows win64
pack_linux

# Check what was packed: unpack each archive and run its console runner.
card=sharp32,flash-bad=0x1210:0x00
check=$stage/check
mkdir -p "$check"
tar -C "$check" -xzf "$dist/flashdiag-cli-linux-x86_64.tar.gz"
status=0
"$check/flashdiag-cli-linux-x86_64/flashdiag-cli" --simulate=$card >"$check/expected.log" || status=$?
[ "$status" -eq 1 ] || { echo "make-dist: the Linux runner from the tarball exited $status (1 expected: the card has a bad byte)" >&2; exit 1; }
echo "make-dist: checked the Linux runner from the tarball"
for kind in win32 win64; do
  (cd "$check" && unzip -q "$dist/flashdiag-$kind.zip")
  # The program's icon is a resource of the window program, its name
  # stored in UTF-16.
  LC_ALL=C grep -q -a -P 'M\x00A\x00I\x00N\x00I\x00C\x00O\x00N\x00' "$check/flashdiag-$kind/flashdiag.exe" ||
    { echo "make-dist: $kind's flashdiag.exe holds no program icon" >&2; exit 1; }
  if reason=$("$here/runs-32bit.sh" --wine) || [ $kind = win64 ]; then
    status=0
    "$here/wine-run.sh" "$build/$kind/wineprefix" "$check/flashdiag-$kind/flashdiag-cli.exe" --simulate=$card \
      | tr -d '\r' >"$check/$kind.log" || status=$?
    [ "$status" -eq 1 ] || { echo "make-dist: $kind's flashdiag-cli.exe exited $status (1 expected)" >&2; exit 1; }
    cmp -s "$check/expected.log" "$check/$kind.log" ||
      { echo "make-dist: $kind's flashdiag-cli.exe logged something else than the Linux runner:" >&2;
        diff "$check/expected.log" "$check/$kind.log" | head -20 >&2; exit 1; }
    echo "make-dist: checked $kind's console runner from the zip under Wine"
  else
    echo "make-dist: $kind: packed; its console runner not run: $reason"
  fi
done
