#!/usr/bin/env bash
# Can this machine run the i686 Windows programs?
#
#   tools/runs-32bit.sh          can it execute 32-bit x86 Linux programs at all?
#   tools/runs-32bit.sh --wine   ... and is Wine's 32-bit loader installed?
#
# Exit status 0 when it can. Otherwise status 1 and one line on stdout that
# says why, for messages such as "win32: built; not run: <reason>".
#
# The answer comes from trying, not from the kernel's version or its boot
# options: a 93-byte i386 program that only exits is written to a temporary
# folder and started. A 64-bit kernel without IA32 emulation (kernels since
# 6.7 can be booted that way, some are built that way) refuses it with
# "Exec format error", and so does every non-x86 machine.
set -uo pipefail

tiny_i386_program() {
  # ELF header: 32-bit, little-endian, executable, machine 3 (i386),
  # entry 0x08048054, one program header at offset 52.
  printf '\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00'
  printf '\x02\x00\x03\x00\x01\x00\x00\x00\x54\x80\x04\x08\x34\x00\x00\x00'
  printf '\x00\x00\x00\x00\x00\x00\x00\x00\x34\x00\x20\x00\x01\x00\x00\x00'
  printf '\x00\x00\x00\x00'
  # One loadable, readable and executable segment: the whole file at 0x08048000.
  printf '\x01\x00\x00\x00\x00\x00\x00\x00\x00\x80\x04\x08\x00\x80\x04\x08'
  printf '\x5d\x00\x00\x00\x5d\x00\x00\x00\x05\x00\x00\x00\x00\x10\x00\x00'
  # mov eax, 1 (exit); xor ebx, ebx (status 0); int 0x80
  printf '\xb8\x01\x00\x00\x00\x31\xdb\xcd\x80'
}

# A folder where files may be executed (a temporary folder mounted noexec
# would make every program fail, 64-bit ones too).
exec_dir=""
for base in "${TMPDIR:-/tmp}" /tmp "$PWD"; do
  d=$(mktemp -d "$base/runs-32bit.XXXXXX" 2>/dev/null) || continue
  printf '#!/bin/sh\nexit 0\n' >"$d/probe.sh" && chmod +x "$d/probe.sh"
  if "$d/probe.sh" 2>/dev/null; then exec_dir=$d; break; fi
  rm -rf "$d"
done
if [ -z "$exec_dir" ]; then
  echo "no folder here lets a program be executed (is ${TMPDIR:-/tmp} mounted noexec?)"
  exit 1
fi
trap 'rm -rf "$exec_dir"' EXIT

program=$exec_dir/i386-exit
tiny_i386_program >"$program" && chmod +x "$program"
if ! error=$("$program" 2>&1); then
  case "$error" in
    *"Exec format error"*|*"cannot execute binary file"*)
      if [ "$(uname -m)" = x86_64 ]; then
        echo "this machine cannot execute 32-bit programs (kernel IA32 emulation is off)"
      else
        echo "this machine cannot execute 32-bit x86 programs (it is $(uname -m))"
      fi ;;
    *)
      echo "a 32-bit test program did not run: ${error:-exit status not 0}" ;;
  esac
  exit 1
fi

if [ "${1:-}" = --wine ] && [ ! -x /usr/lib/wine/wine ]; then
  echo "Wine's 32-bit loader is not installed (package wine32:i386)"
  exit 1
fi
exit 0
