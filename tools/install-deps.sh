#!/usr/bin/env bash
# Installs the Debian packages of one set. Idempotent: when everything is
# present it returns at once without touching apt.
#
#   tools/install-deps.sh        the native and Windows builds (make test, make run)
#   tools/install-deps.sh fuzz   the fuzz build (make fuzz): clang, libFuzzer, llvm-symbolizer
#
# Wine's 32-bit loader (wine32, an i386 package) is wanted only where this
# machine can execute 32-bit programs (tools/runs-32bit.sh); a 64-bit-only
# machine gets no i386 package at all and runs the x86_64 build's tests.
# Where wine32 cannot be installed although the machine could run it, the
# script says so and goes on: the i686 build is then made but its tests are
# not run, and `make test` says why.
#
# The package registry can be caught mid-sync: `apt-get update` is tried a
# few times, and an index that still fails does not stop the install. Only
# packages that cannot be installed make the script fail, named with apt's
# reason.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)

optional=()
case "${1:-}" in
  "")
    packages=(
      cmake make g++ googletest libgtest-dev zlib1g-dev
      g++-mingw-w64-i686 g++-mingw-w64-x86-64 libz-mingw-w64-dev
      wine wine64 xvfb xauth fonts-wine zip
    )
    runs32=yes
    "$here/runs-32bit.sh" >/dev/null || runs32=no
    [ "$runs32" = yes ] && optional=(wine32:i386)
    ;;
  fuzz)
    # libclang-rt-14-dev holds libFuzzer and the sanitizer runtimes; clang
    # only recommends it. llvm-14 has the symbolizer for readable reports.
    packages=(cmake make clang clang-14 libclang-rt-14-dev llvm-14)
    ;;
  *)
    echo "usage: install-deps.sh [fuzz]" >&2
    exit 2
    ;;
esac

installed() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'; }
missing=() missing_optional=()
for p in "${packages[@]}"; do installed "$p" || missing+=("$p"); done
for p in "${optional[@]}"; do installed "$p" || missing_optional+=("$p"); done
[ ${#missing[@]} -eq 0 ] && [ ${#missing_optional[@]} -eq 0 ] && exit 0

if [ "$(id -u)" -ne 0 ]; then
  echo "install-deps: missing packages: ${missing[*]} ${missing_optional[*]}" >&2
  echo "install-deps: run this script as root (or with sudo) to install them" >&2
  exit 1
fi
export DEBIAN_FRONTEND=noninteractive

if [ ${#missing_optional[@]} -gt 0 ] && ! dpkg --print-foreign-architectures | grep -qx i386; then
  dpkg --add-architecture i386
fi

# A mirror caught mid-sync answers "File has unexpected size ... Mirror sync
# in progress?" for one index; a pause usually ends it.
updated=no
for attempt in 1 2 3 4; do
  if apt-get update -q; then updated=yes; break; fi
  [ "$attempt" -lt 4 ] && { echo "install-deps: apt-get update failed (attempt $attempt of 4); trying again in $((attempt * 10)) s" >&2; sleep $((attempt * 10)); }
done
[ "$updated" = yes ] ||
  echo "install-deps: some package indexes could not be read; installing from the lists that were" >&2

install() {
  local log status
  log=$(mktemp)
  set +e
  apt-get install -y -q --no-install-recommends "$@" 2>&1 | tee "$log"
  status=${PIPESTATUS[0]}
  set -e
  if [ "$status" -ne 0 ]; then
    echo "install-deps: could not install: $*" >&2
    grep -E '^(E:|  [^ ].*: Depends:)' "$log" | sed 's/^/install-deps:   /' >&2 || true
  fi
  rm -f "$log"
  return "$status"
}

if [ ${#missing[@]} -gt 0 ]; then
  echo "install-deps: installing ${missing[*]}" >&2
  install "${missing[@]}" || exit 1
fi
if [ ${#missing_optional[@]} -gt 0 ]; then
  echo "install-deps: installing ${missing_optional[*]} (this machine runs 32-bit programs)" >&2
  install "${missing_optional[@]}" ||
    echo "install-deps: going on without ${missing_optional[*]}: the i686 Windows tests will not run" >&2
fi
exit 0
