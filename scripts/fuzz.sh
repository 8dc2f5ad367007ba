#!/usr/bin/env bash
# Builds the libFuzzer targets (Clang, AddressSanitizer, UndefinedBehaviorSanitizer)
# and runs each for a bounded time on its seeds and recorded findings.
#
#   scripts/fuzz.sh [--seconds N] [--corpus DIR] [TARGET...]
#
# Targets: load_round_trip, brightness, scale_and_copy (all by default).
# --seconds  how long each target runs (default 60)
# --corpus   keep the grown corpus in DIR/TARGET across runs (default: a
#            temporary folder, removed afterwards)
# A finding stops the run with a non-zero status; its input is written to
# build/fuzz-findings/TARGET/. After fixing the fault, keep the input as a
# regression file in fuzz/regressions/TARGET/, which the tests replay.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=60
corpus_root=""
targets=()
while [ $# -gt 0 ]; do
  case "$1" in
    --seconds) seconds="$2"; shift 2 ;;
    --corpus) corpus_root="$2"; shift 2 ;;
    *) targets+=("$1"); shift ;;
  esac
done
if [ ${#targets[@]} -eq 0 ]; then
  targets=(load_round_trip brightness scale_and_copy)
fi

scripts/install-deps.sh clang libclang-rt-14-dev
cmake --preset fuzz > /dev/null
cmake --build --preset fuzz -j "$(nproc)" > /dev/null

work="$(mktemp -d)"
trap 'rm -rf "${work}"' EXIT
for target in "${targets[@]}"; do
  corpus="${corpus_root:+${corpus_root}/${target}}"
  corpus="${corpus:-${work}/${target}}"
  findings="build/fuzz-findings/${target}"
  mkdir -p "${corpus}" "${findings}"
  inputs=("${corpus}" "fuzz/seeds/${target}")
  if [ -d "fuzz/regressions/${target}" ]; then
    inputs+=("fuzz/regressions/${target}")
  fi
  echo "=== fuzz ${target} for ${seconds} s"
  # New inputs go to the first folder only; the committed ones stay as they are.
  if ! "build/fuzz/fuzz/fuzz_${target}" -max_total_time="${seconds}" -timeout=10 \
      -rss_limit_mb=3072 -max_len=8192 -print_final_stats=1 \
      -artifact_prefix="${findings}/" "${inputs[@]}" > "${work}/${target}.log" 2>&1; then
    tail -n 60 "${work}/${target}.log"
    echo "fuzz ${target}: FINDING, input kept in ${findings}/" >&2
    exit 1
  fi
  grep -E '^#[0-9]+ +DONE|stat::number_of_executed_units|stat::peak_rss_mb' "${work}/${target}.log" || true
done
echo "fuzz: ${#targets[@]} passed, 0 failed"
