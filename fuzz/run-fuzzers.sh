#!/usr/bin/env bash
# Runs every fuzz target of a fuzz build for a bounded time, one after the
# other, and fails when any of them found something.
#
#   fuzz/run-fuzzers.sh BUILD_DIR [TARGET...]
#
# Environment: FUZZ_SECONDS (per target, default 60), FUZZ_TIMEOUT (seconds
# one input may take, default 10), FUZZ_RSS_MB (memory limit, default 2048),
# FUZZ_FLAGS (more libFuzzer flags; by default "-fork=1 -ignore_crashes=1
# -ignore_timeouts=1 -ignore_ooms=1", so that a target goes on after a
# finding; empty to stop at the first).
#
# Per target: the corpus grows in BUILD_DIR/corpus/<target> (kept between
# runs), the seeds come from BUILD_DIR/seeds/<target>, crash, timeout and
# out-of-memory inputs land in BUILD_DIR/artifacts/<target>/, the output in
# BUILD_DIR/logs/<target>.log.
set -uo pipefail

build=${1:?usage: run-fuzzers.sh BUILD_DIR [TARGET...]}
shift
build=$(cd "$build" && pwd)
here=$(cd "$(dirname "$0")" && pwd)
seconds=${FUZZ_SECONDS:-60}
timeout=${FUZZ_TIMEOUT:-10}
rss=${FUZZ_RSS_MB:-2048}
# Unset: go on after findings (in child processes); set and empty: stop at the first.
read -r -a extra <<<"${FUZZ_FLAGS--fork=1 -ignore_crashes=1 -ignore_timeouts=1 -ignore_ooms=1}"

# The longest input each target is given: a little more than its largest
# seed, room enough for the structures its format can hold.
declare -A max_len=(
  [fuzz_object_bin2text]=8192
  [fuzz_object_text2bin]=16384
  [fuzz_component_read]=8192
  [fuzz_bitmap_stream]=4096
  [fuzz_skin_content]=32768
  [fuzz_skin_stream]=32768
  [fuzz_card_config]=256
  [fuzz_cli_options]=1024
)
all=(fuzz_object_bin2text fuzz_object_text2bin fuzz_component_read fuzz_bitmap_stream fuzz_skin_content
     fuzz_skin_stream fuzz_card_config fuzz_cli_options)
targets=("$@")
[ ${#targets[@]} -eq 0 ] && targets=("${all[@]}")

symbolizer=$(command -v llvm-symbolizer || command -v llvm-symbolizer-14 || true)
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:allocator_may_return_null=0}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
[ -n "$symbolizer" ] && export ASAN_SYMBOLIZER_PATH=$symbolizer

found=()
for t in "${targets[@]}"; do
  if [ -z "${max_len[$t]:-}" ]; then
    echo "run-fuzzers: unknown target $t (known: ${all[*]})" >&2
    exit 2
  fi
  bin=$build/bin/$t
  seeds=$build/seeds/$t
  corpus=$build/corpus/$t
  artifacts=$build/artifacts/$t
  log=$build/logs/$t.log
  [ -x "$bin" ] || { echo "run-fuzzers: $bin is missing: build $build first" >&2; exit 2; }
  mkdir -p "$corpus" "$artifacts" "$(dirname "$log")"
  dict=()
  [ -f "$here/dict/$t.dict" ] && dict=(-dict="$here/dict/$t.dict")
  marker=$(mktemp)
  echo "run-fuzzers: $t for ${seconds}s (max_len ${max_len[$t]})"
  "$bin" -max_total_time="$seconds" -timeout="$timeout" -rss_limit_mb="$rss" -max_len="${max_len[$t]}" \
         -artifact_prefix="$artifacts/" -print_final_stats=1 "${dict[@]}" "${extra[@]}" \
         "$corpus" "$seeds" >"$log" 2>&1
  rc=$?
  new=$(find "$artifacts" -type f -newer "$marker" | sort)
  rm -f "$marker"
  if [ $rc -ne 0 ] || [ -n "$new" ]; then
    found+=("$t")
    echo "run-fuzzers: $t FOUND something (exit status $rc); log: $log" >&2
    [ -z "$new" ] && tail -20 "$log" | sed 's/^/  /' >&2
    # Each input once more, for what it broke: the broken property with the
    # first line of its details, or the sanitizer's summary. The same
    # failure (numbers aside) is counted once.
    n=0
    for a in $new; do
      n=$((n + 1))
      [ $n -gt 1000 ] && { echo "  (more artefacts not replayed)" >&2; break; }
      what=$("$bin" -timeout="$timeout" -rss_limit_mb="$rss" "$a" 2>&1 | awk '
        /^==== fuzz property broken: / { sub(/^==== fuzz property broken: /, ""); p = $0; getline; print p " | " $0; exit }
        /^SUMMARY: / { sub(/^SUMMARY: /, ""); print; exit }' | tr -d '\r' | sed -E 's/[0-9]+/N/g')
      echo "${what:-passes when replayed}"$'\t'"$(stat -c %s "$a")"$'\t'"$a"
    done | sort -t $'\t' -k1,1 -k2,2n >"$log.findings"
    # Per failure: how often, and its smallest input.
    awk -F '\t' '$1 != last { if (n) printf "  %5d  %s\n         smallest: %s\n", n, last, first; last = $1; first = $3; n = 0 }
                 { n++ } END { if (n) printf "  %5d  %s\n         smallest: %s\n", n, last, first }' \
        "$log.findings" >&2
    echo "  inputs: $artifacts/ (list: $log.findings)" >&2
  else
    grep -E '^#[0-9]+: cov|^stat::number_of_executed_units' "$log" | tail -1 | sed 's/^/  /'
  fi
done

if [ ${#found[@]} -gt 0 ]; then
  echo "run-fuzzers: findings in: ${found[*]} (inputs in $build/artifacts/)" >&2
  exit 1
fi
echo "run-fuzzers: no findings"
