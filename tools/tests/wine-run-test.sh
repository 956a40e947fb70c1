#!/usr/bin/env bash
# tools/wine-run.sh stops with a message that names the cause when a program
# cannot run, instead of failing later in Wine or the shell.
set -uo pipefail
tools=$(cd "$(dirname "$0")/.." && pwd)
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
failed=0 passed=0

# A file with just the headers Wine's runner reads: "MZ", the PE header's
# offset at 0x3C, "PE\0\0" and the machine type.
fake_pe() {
  local file=$1 machine=$2
  { printf 'MZ'; head -c 58 /dev/zero; printf '\x40\x00\x00\x00'; printf 'PE\x00\x00'; printf "$machine"; } >"$file"
}

# expect NAME STATUS TEXT -- COMMAND...: the command exits with STATUS and
# its standard error holds TEXT.
expect() {
  local name=$1 status=$2 text=$3; shift 4
  local err got=0
  err=$("$@" 2>&1 >/dev/null) || got=$?
  if [ "$got" -eq "$status" ] && [[ "$err" == *"$text"* ]]; then
    passed=$((passed + 1)); echo "ok: $name"
  else
    failed=$((failed + 1)); echo "FAIL: $name: status $got (wanted $status), said: $err"
  fi
}

echo "not a program" >"$scratch/notes.exe"
expect "a file that is not a Windows program" 125 "is not a Windows program" -- \
  "$tools/wine-run.sh" "$scratch/prefix" "$scratch/notes.exe"

fake_pe "$scratch/arm.exe" '\x64\xaa'
expect "a program for another machine" 125 "for machine type 0xaa64" -- \
  "$tools/wine-run.sh" "$scratch/prefix" "$scratch/arm.exe"

fake_pe "$scratch/i686.exe" '\x4c\x01'
if reason=$("$tools/runs-32bit.sh" --wine); then
  echo "skipped: a 32-bit program where none can run (this machine runs them)"
else
  expect "a 32-bit program where none can run" 125 "cannot run the 32-bit program i686.exe: $reason" -- \
    "$tools/wine-run.sh" "$scratch/prefix" "$scratch/i686.exe"
fi

fake_pe "$scratch/x64.exe" '\x64\x86'
mkdir -p "$scratch/prefix32"
printf 'WINE REGISTRY Version 2\n;; All keys relative to REGISTRY\\\\Machine\n\n#arch=win32\n' >"$scratch/prefix32/system.reg"
if [ -x /usr/lib/wine/wine64 ]; then
  expect "a 64-bit program in a 32-bit prefix" 125 "was made for win32 programs; x64.exe needs a win64 prefix" -- \
    "$tools/wine-run.sh" "$scratch/prefix32" "$scratch/x64.exe"
else
  expect "a 64-bit program without Wine" 125 "Wine is not installed" -- \
    "$tools/wine-run.sh" "$scratch/prefix32" "$scratch/x64.exe"
fi

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
