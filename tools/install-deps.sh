#!/usr/bin/env bash
# Installs every Debian package that the two builds need. Idempotent: when
# everything is present it returns at once without touching apt.
set -euo pipefail

packages=(
  cmake make g++ googletest libgtest-dev zlib1g-dev
  g++-mingw-w64-i686 libz-mingw-w64-dev
  wine wine32 wine64 xvfb xauth
  fonts-wine
)

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
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  dpkg --add-architecture i386
fi
apt-get update -q
apt-get install -y -q --no-install-recommends "${missing[@]/#wine32/wine32:i386}"
