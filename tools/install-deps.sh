#!/usr/bin/env bash
# Installs the Debian packages of one set. Idempotent: when everything is
# present it returns at once without touching apt.
#
#   tools/install-deps.sh        the native and win32 builds (make test, make run)
#   tools/install-deps.sh fuzz   the fuzz build (make fuzz): clang, libFuzzer, llvm-symbolizer
set -euo pipefail

case "${1:-}" in
  "")
    packages=(
      cmake make g++ googletest libgtest-dev zlib1g-dev
      g++-mingw-w64-i686 libz-mingw-w64-dev
      wine wine32 wine64 xvfb xauth
      fonts-wine
    )
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

missing=()
for p in "${packages[@]}"; do
  # wine32 is an i386 package: its status is queried with the architecture.
  q=$p; [ "$p" = wine32 ] && q=wine32:i386
  if ! dpkg-query -W -f='${Status}' "$q" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

if [ "$(id -u)" -ne 0 ]; then
  echo "install-deps: missing packages: ${missing[*]}" >&2
  echo "install-deps: run this script as root (or with sudo) to install them" >&2
  exit 1
fi

echo "install-deps: installing ${missing[*]}" >&2
export DEBIAN_FRONTEND=noninteractive
if [[ " ${missing[*]} " == *" wine32 "* ]] && ! dpkg --print-foreign-architectures | grep -qx i386; then
  dpkg --add-architecture i386
fi
apt-get update -q
apt-get install -y -q --no-install-recommends "${missing[@]/#wine32/wine32:i386}"
