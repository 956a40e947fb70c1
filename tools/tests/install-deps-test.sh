#!/usr/bin/env bash
# tools/install-deps.sh against fake dpkg, apt-get and 32-bit checks: it
# retries a failing index update, installs what it can, asks for no i386
# package on a machine that cannot run 32-bit programs, goes on without
# wine32 when only that fails, and fails naming a package that cannot be
# installed.
set -uo pipefail
tools=$(cd "$(dirname "$0")/.." && pwd)
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
failed=0 passed=0

# The fakes answer from files in $state and log every call to $state/calls.
mkdir -p "$scratch/tools" "$scratch/bin"
cp "$tools/install-deps.sh" "$scratch/tools/"
cat >"$scratch/tools/runs-32bit.sh" <<'FAKE'
#!/bin/sh
[ -f "$state/runs32" ] && exit 0
echo "this machine cannot execute 32-bit programs (kernel IA32 emulation is off)"; exit 1
FAKE
cat >"$scratch/bin/dpkg-query" <<'FAKE'
#!/bin/sh
package=$(eval echo "\${$#}")
grep -qx "$package" "$state/installed" 2>/dev/null && printf 'install ok installed' && exit 0
exit 1
FAKE
cat >"$scratch/bin/dpkg" <<'FAKE'
#!/bin/sh
echo "dpkg $*" >>"$state/calls"
case "$1" in --print-foreign-architectures) cat "$state/arches" 2>/dev/null ;; --add-architecture) echo "$2" >>"$state/arches" ;; esac
FAKE
cat >"$scratch/bin/apt-get" <<'FAKE'
#!/bin/sh
echo "apt-get $*" >>"$state/calls"
if [ "$1" = update ]; then
  n=$(cat "$state/update-fails" 2>/dev/null || echo 0)
  [ "$n" -gt 0 ] || exit 0
  echo $((n - 1)) >"$state/update-fails"
  echo "E: Failed to fetch .../Packages.xz  File has unexpected size. Mirror sync in progress?" >&2; exit 100
fi
for p in "$@"; do
  if grep -qx "$p" "$state/uninstallable" 2>/dev/null; then echo "E: Unable to locate package $p"; exit 100; fi
done
FAKE
printf '#!/bin/sh\necho 0\n' >"$scratch/bin/id"
printf '#!/bin/sh\necho "sleep $*" >>"$state/calls"\n' >"$scratch/bin/sleep"
chmod +x "$scratch"/bin/* "$scratch/tools/"*.sh

# run CASE: a fresh state, then the script; its status in $status, its
# standard error in $err, the fakes' calls in $calls.
run() {
  export state=$scratch/state-$1
  mkdir -p "$state"; shift
  "$@"
  status=0
  err=$(PATH="$scratch/bin:$PATH" bash "$scratch/tools/install-deps.sh" 2>&1 >/dev/null) || status=$?
  calls=$(cat "$state/calls" 2>/dev/null)
}
check() {
  local name=$1; shift
  if "$@"; then passed=$((passed + 1)); echo "ok: $name"
  else failed=$((failed + 1)); echo "FAIL: $name"; echo "  status $status; said: $err"; echo "  calls: $calls"; fi
}
has() { [[ "$1" == *"$2"* ]]; }
count() { grep -c -- "$2" <<<"$1"; }

everything="cmake make g++ googletest libgtest-dev zlib1g-dev g++-mingw-w64-i686 g++-mingw-w64-x86-64
libz-mingw-w64-dev wine wine64 xvfb xauth fonts-wine zip"

run present eval 'tr " " "\n" <<<"$everything" >"$state/installed"'
check "nothing missing: apt is not touched" eval '[ $status -eq 0 ] && [ -z "$calls" ]'

run sync eval 'echo 2 >"$state/update-fails"'
check "an index mid-sync is fetched again after a pause" \
  eval '[ $status -eq 0 ] && [ $(count "$calls" "apt-get update") -eq 3 ] && [ $(count "$calls" "^sleep") -eq 2 ]'
check "a 64-bit-only machine gets no i386 package" \
  eval 'has "$calls" "apt-get install" && ! has "$calls" "wine32" && ! has "$calls" "add-architecture"'

run broken-index eval 'echo 99 >"$state/update-fails"'
check "an index that never updates does not stop the install" \
  eval '[ $status -eq 0 ] && has "$calls" "apt-get install" && has "$err" "some package indexes could not be read"'

run runs32 eval 'touch "$state/runs32"; tr " " "\n" <<<"$everything" >"$state/installed"'
check "a machine that runs 32-bit programs gets wine32 and the i386 architecture" \
  eval '[ $status -eq 0 ] && has "$calls" "dpkg --add-architecture i386" && has "$calls" "install -y -q --no-install-recommends wine32:i386"'

run no-wine32 eval 'touch "$state/runs32"; echo wine32:i386 >"$state/uninstallable"'
check "without wine32 the script goes on and says what is lost" \
  eval '[ $status -eq 0 ] && has "$err" "going on without wine32:i386: the i686 Windows tests will not run"'

run missing eval 'echo g++-mingw-w64-x86-64 >"$state/uninstallable"'
check "a package that cannot be installed fails the script, named with apt's reason" \
  eval '[ $status -eq 1 ] && has "$err" "could not install:" && has "$err" "Unable to locate package g++-mingw-w64-x86-64"'

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
